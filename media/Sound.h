#pragma once

#include <QByteArray>
#include <array>
#include <atomic>
#include <memory>

#include "base/SoundCue.h"
#include "platform/AudioOut.h"

// The six cue recordings and the switch that silences them. Cues play in the background; a new
// cue cuts off the one still playing.
class Sound {
public:
    static constexpr int CueCount = 6;

    // Plays the recordings in the program's resources, loaded at the first cue, through the
    // system's sound output unless another output is given.
    explicit Sound(std::unique_ptr<AudioOut> output = nullptr);
    ~Sound();
    Sound(const Sound&) = delete;
    Sound& operator=(const Sound&) = delete;

    bool Enabled() const { return enabled; }
    // Switching off also silences a cue that is still sounding.
    void SetEnabled(bool on);

    // Returns at once. Skipped silently when sound is off, the recording is empty or unreadable,
    // or there is no output device.
    void Play(SoundCue cue);

    // Replaces one recording by the bytes of a wave file; an unreadable file leaves the cue silent.
    void SetRecording(SoundCue cue, const QByteArray& waveFile);

private:
    struct Recording {
        QByteArray samples;
        PcmFormat format;
    };

    void LoadRecordings();

    std::array<Recording, CueCount> recordings;
    bool loaded = false;
    // Declared after the recordings, so it stops playing before they are released.
    std::unique_ptr<AudioOut> output;
    bool enabled = true;
    std::shared_ptr<std::atomic<bool>> refusalLogged = std::make_shared<std::atomic<bool>>(false);
};
