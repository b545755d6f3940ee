#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

// How the samples handed to an AudioOut are laid out.
struct PcmFormat {
    int channels = 1;
    int sampleRate = 11025;
    int bitsPerSample = 8;  // 8 (unsigned) or 16 (signed)
};

// The sound output: plays one buffer of samples at a time, in the background. Tests replace it
// with a fake that records what it was asked to play.
class AudioOut {
public:
    virtual ~AudioOut() = default;

    // Whether the system offers any sound output device.
    virtual bool HasDevice() = 0;
    // Returns at once; the samples play in the background. Whatever still plays stops first.
    // Without a device nothing plays and nothing is reported.
    virtual void Play(const QByteArray& samples, const PcmFormat& format) = 0;
    // Silences whatever plays; returns at once. Destroying the output also stops it, and waits
    // until nothing reads the samples any more.
    virtual void Stop() = 0;

    // Told, on any thread, why the platform refused to play a buffer.
    void SetRefusalHandler(std::function<void(const QString&)> handler) { refused = std::move(handler); }

protected:
    void Refused(const QString& why) const {
        if (refused) refused(why);
    }

private:
    std::function<void(const QString&)> refused;
};
