#pragma once

#include <QDateTime>
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/Clock.h"

// The tests' clock. Every read of the tick counter first runs the probe, if there is one, which
// lets a test look at the world while a slide waits; then it gives the scripted values in turn,
// and after them steps from `ticks` by `stepMs`. A sleep is noted and moves `ticks` on to its end
// at once. So waits finish at once and can be counted. The time of day never moves, so log lines
// compare whole.
class FakeClock final : public Clock {
public:
    explicit FakeClock(std::uint32_t start = 0, std::uint32_t step = 1) : ticks(start), stepMs(step) {}

    std::uint32_t TickCount() override {
        if (probe) probe();
        const std::uint64_t read = reads++;
        if (read < script.size()) return script[static_cast<std::size_t>(read)];
        ticks += stepMs;
        return ticks - stepMs;
    }
    void SleepUntil(std::uint32_t tick) override {
        sleeps.push_back(tick);
        if (static_cast<std::int32_t>(tick - ticks) > 0) ticks = tick;
    }
    bool PerformanceCounter(std::uint64_t& value) override {
        value = counter;
        return hasCounter;
    }
    QDateTime LocalTime() override { return localTime; }

    std::uint32_t ticks;
    std::uint32_t stepMs;
    std::uint64_t reads = 0;
    std::vector<std::uint32_t> script;
    // The ticks each sleep was to end at, in order.
    std::vector<std::uint32_t> sleeps;
    std::function<void()> probe;
    std::uint64_t counter = 0x123456789ABCull;
    bool hasCounter = true;
    QDateTime localTime{QDate(2026, 12, 7), QTime(21, 5, 9)};
};
