#pragma once

#include "platform/Clock.h"

// A clock for tests: every read of the tick counter advances it by `step` milliseconds, so busy
// waits finish at once and can be counted.
class FakeClock final : public Clock {
public:
    explicit FakeClock(std::uint32_t start = 0, std::uint32_t step = 1) : ticks(start), stepMs(step) {}

    std::uint32_t TickCount() override {
        ++reads;
        const std::uint32_t now = ticks;
        ticks += stepMs;
        return now;
    }
    bool PerformanceCounter(std::uint64_t& value) override {
        value = counter;
        return hasCounter;
    }

    std::uint32_t ticks;
    std::uint32_t stepMs;
    std::uint64_t reads = 0;
    std::uint64_t counter = 0x123456789ABCull;
    bool hasCounter = true;
};
