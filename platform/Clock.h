#pragma once

#include <QDateTime>
#include <cstdint>

// The two time sources the game reads: a millisecond tick counter that wraps at 2^32, and a
// high-resolution counter used once to seed the random source; and the one way it waits, asleep.
// Tests replace it with a fake.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::uint32_t TickCount() = 0;
    // Blocks the calling thread, asleep, until the tick counter reads `tick` (up to 2^31 - 1 ms
    // ahead); returns at once when that tick has passed. Nothing else runs on the thread meanwhile.
    virtual void SleepUntil(std::uint32_t tick) = 0;
    // False when the platform has no high-resolution counter.
    virtual bool PerformanceCounter(std::uint64_t& value) = 0;
    // The local date and time of day, for log lines. Tests that read it pin it in their clock.
    virtual QDateTime LocalTime();
};

class SystemClock final : public Clock {
public:
    std::uint32_t TickCount() override;
    void SleepUntil(std::uint32_t tick) override;
    bool PerformanceCounter(std::uint64_t& value) override;
};

// The clock the whole game reads: seeding, waits and slides. It is the system clock unless
// a ScopedClock has put another in its place. Slides sit far below anything that could carry a
// clock as a parameter, so one process-wide clock is the seam tests use.
Clock& GameClock();

// Puts a clock in the game's place for its own lifetime and gives the previous one back after.
// The clock must outlive the guard.
class ScopedClock {
public:
    explicit ScopedClock(Clock& clock);
    ~ScopedClock();
    ScopedClock(const ScopedClock&) = delete;
    ScopedClock& operator=(const ScopedClock&) = delete;

private:
    Clock* previous;
};
