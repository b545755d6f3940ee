#pragma once

#include <QStringList>
#include <QThread>
#include <atomic>
#include <cstdint>
#include <memory>

#include "platform/AudioOut.h"

class AudioHost;

// Plays on a thread of its own, through the player of the audio module. A sink is fed by timers
// of the thread that owns it, and the game busy-waits on its user-interface thread while cards
// slide and between deals: a sink owned there would fall silent during every wait.
//
// Nothing is loaded and no thread runs until the first request. Then the audio thread loads the
// module and the system's sound libraries with it, and connects to the sound server. Without the
// module, or with one that does not fit, the game plays silently and says so once.
//
// Called from one thread only (the user-interface thread).
class ThreadedAudioOut final : public AudioOut {
public:
    // The module is looked for at each path in turn; without paths, where the game installs it.
    explicit ThreadedAudioOut(QStringList modulePaths = {});
    ~ThreadedAudioOut() override;
    ThreadedAudioOut(const ThreadedAudioOut&) = delete;
    ThreadedAudioOut& operator=(const ThreadedAudioOut&) = delete;

    // Blocks until the audio thread has looked; Play checks for a device there by itself.
    bool HasDevice() override;
    void Play(const QByteArray& samples, const PcmFormat& format) override;
    void Stop() override;

    // How many bytes of the current buffer the sink has taken so far; lets a test see playback
    // go on while the calling thread is blocked.
    qint64 BytesTaken();

    // Where the game's module lies: beside the program, then where the installed tree puts it
    // relative to the program, then where it was built to be installed.
    static QStringList InstalledModulePaths(const QString& programFolder);

private:
    AudioHost& Host();

    QStringList paths;
    QThread thread;
    AudioHost* host = nullptr;  // lives on `thread`, deleted after it has finished
    std::atomic<std::uint64_t> requests{0};
};
