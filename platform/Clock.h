#pragma once

#include <cstdint>

// The two time sources the game reads: a millisecond tick counter that wraps at 2^32, and a
// high-resolution counter used once to seed the random source. Tests replace it with a fake.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::uint32_t TickCount() = 0;
    // False when the platform has no high-resolution counter.
    virtual bool PerformanceCounter(std::uint64_t& value) = 0;
};

class SystemClock final : public Clock {
public:
    std::uint32_t TickCount() override;
    bool PerformanceCounter(std::uint64_t& value) override;
};
