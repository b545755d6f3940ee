#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/AudioOut.h"

// An output that plays nothing and records what it was asked to do, with the time of each request
// taken from `now` when that is set.
class FakeAudioOut final : public AudioOut {
public:
    struct Request {
        bool play = false;  // false: a stop
        QByteArray samples;
        PcmFormat format;
        std::uint32_t tick = 0;
    };

    bool HasDevice() override { return device; }
    // Like the real output, plays nothing and says nothing without a device.
    void Play(const QByteArray& samples, const PcmFormat& format) override {
        if (!device) return;
        requests.push_back({true, samples, format, now ? now() : 0});
    }
    void Stop() override { requests.push_back({false, {}, {}, now ? now() : 0}); }
    void Refuse(const QString& why) { Refused(why); }

    std::vector<Request> Plays() const {
        std::vector<Request> plays;
        for (const Request& r : requests)
            if (r.play) plays.push_back(r);
        return plays;
    }

    bool device = true;
    std::function<std::uint32_t()> now;
    std::vector<Request> requests;
};
