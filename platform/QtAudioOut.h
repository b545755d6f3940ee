#pragma once

#include <QThread>

#include <atomic>
#include <cstdint>

#include "platform/AudioOut.h"

class AudioWorker;

// Plays through Qt Multimedia's QAudioSink on a thread of its own. A sink is fed by timers of the
// thread that owns it, and the game busy-waits on its user-interface thread while cards slide and
// between deals: a sink owned there would fall silent during every wait.
class QtAudioOut final : public AudioOut {
public:
    QtAudioOut();
    ~QtAudioOut() override;
    QtAudioOut(const QtAudioOut&) = delete;
    QtAudioOut& operator=(const QtAudioOut&) = delete;

    // Blocks until the audio thread has looked; Play checks for a device there by itself.
    bool HasDevice() override;
    void Play(const QByteArray& samples, const PcmFormat& format) override;
    void Stop() override;

    // How many bytes of the current buffer the sink has taken so far; lets a test see playback
    // go on while the calling thread is blocked.
    qint64 BytesTaken();

private:
    QThread thread;
    AudioWorker* worker = nullptr;  // lives on `thread`, deleted there
    std::atomic<std::uint64_t> requests{0};
};
