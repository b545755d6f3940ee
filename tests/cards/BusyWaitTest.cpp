#include <gtest/gtest.h>

#include <chrono>
#include <vector>

#include "FakeClock.h"
#include "cards/BusyWait.h"
#include "platform/Clock.h"

namespace {

TEST(BusyWaitTest, SleepsUntilMoreThanTheDelayHasPassedAtAnyCounterValue) {
    // Starts near zero, across the sign bit and just before the counter wraps around.
    for (std::uint32_t start : {0u, 0x7FFFFFF0u, 0xFFFFFFF0u, 0xFFFFFFFFu}) {
        FakeClock clock(start, 1);
        const ScopedClock guard(clock);
        BusyWait(25);
        // The first read is the start; the thread then sleeps until 26 ms later, and one read
        // there ends the wait: the counter is not polled meanwhile.
        EXPECT_EQ(clock.sleeps, std::vector<std::uint32_t>{start + 26}) << "start " << start;
        EXPECT_EQ(clock.reads, 2u) << "start " << start;
        EXPECT_EQ(clock.ticks - start, 27u) << "start " << start;
    }
}

TEST(BusyWaitTest, EndsOnTheFirstReadMoreThanTheDelayAfterTheStart) {
    const struct {
        std::int32_t delay;
        std::vector<std::uint32_t> ticks;
    } cases[] = {
        // A coarse counter: 30 is the first elapsed time above 25.
        {25, {0xFFFFFFF0u, 0xFFFFFFFAu, 0x00000004u, 0x0000000Eu}},
        // 0x09 is 25 ms after the start, across the wrap: exactly the delay is not enough.
        {25, {0xFFFFFFF0u, 0xFFFFFFF0u, 0xFFFFFFFFu, 0x00000009u, 0x00000009u, 0x0000000Au}},
        // Zero waits for the counter to move; a negative delay ends on the second read.
        {0, {100, 100, 100, 101}},
        {-1, {500, 500}},
    };
    for (const auto& c : cases) {
        FakeClock clock;
        clock.script = c.ticks;
        const ScopedClock guard(clock);
        BusyWait(c.delay);
        EXPECT_EQ(clock.reads, c.ticks.size()) << c.delay << " ms, " << c.ticks.size() << " reads expected";
        // A clock that wakes the thread early puts it back to sleep until the same deadline.
        const std::size_t naps = c.delay < 0 ? 0 : c.ticks.size() - 1;
        const std::uint32_t deadline = c.ticks.front() + static_cast<std::uint32_t>(c.delay) + 1;
        EXPECT_EQ(clock.sleeps, std::vector<std::uint32_t>(naps, deadline)) << c.delay << " ms";
    }
}

TEST(BusyWaitTest, ScopedClocksNestAndGiveTheSystemClockBack) {
    Clock& system = GameClock();
    FakeClock outer;
    {
        const ScopedClock outerGuard(outer);
        FakeClock inner;
        {
            const ScopedClock innerGuard(inner);
            EXPECT_EQ(&GameClock(), &inner);
        }
        EXPECT_EQ(&GameClock(), &outer);
    }
    EXPECT_EQ(&GameClock(), &system);

    const auto start = std::chrono::steady_clock::now();
    BusyWait(2);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_GE(elapsed, std::chrono::milliseconds(2));
    EXPECT_EQ(outer.reads, 0u);
}

}  // namespace
