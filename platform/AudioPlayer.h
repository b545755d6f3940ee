#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

#include "platform/AudioOut.h"

// The sound output as the audio module gives it: made, used and destroyed on one thread, which
// runs an event loop (ThreadedAudioOut's). Linking the system's sound libraries costs every start
// of the game time and memory, though the first cue sounds only at the first deal; so they live
// in a module of their own, loaded when the first cue is asked for.
class AudioPlayer {
public:
    using RefusalHandler = std::function<void(const QString&)>;

    virtual ~AudioPlayer() = default;

    // Whether the system offers any sound output device.
    virtual bool HasDevice() = 0;
    // Stops what plays and starts the samples; nothing plays without a device.
    virtual void Start(const QByteArray& samples, const PcmFormat& format) = 0;
    virtual void Halt() = 0;
    // How many bytes of the current buffer the device has taken so far.
    virtual qint64 BytesTaken() const = 0;
};

// The module's one entry point. Its name carries the version of this interface, so that a module
// from another build is refused rather than called.
extern "C" {
using MakeAudioPlayerFunction = AudioPlayer* (*)(const AudioPlayer::RefusalHandler& refused);
}
inline constexpr char MakeAudioPlayerSymbol[] = "TvdlMakeAudioPlayer1";
