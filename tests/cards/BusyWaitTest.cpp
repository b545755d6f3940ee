#include <gtest/gtest.h>

#include <chrono>

#include "FakeClock.h"
#include "cards/BusyWait.h"
#include "platform/Clock.h"

namespace {

TEST(BusyWaitTest, WaitsUntilMoreThanTheDelayHasPassedAtAnyCounterValue) {
    // Starts near zero, across the sign bit and just before the counter wraps around.
    for (std::uint32_t start : {0u, 0x7FFFFFF0u, 0xFFFFFFF0u, 0xFFFFFFFFu}) {
        FakeClock clock(start, 1);
        const ScopedClock guard(clock);
        BusyWait(25);
        // The first read is the start; the wait ends on the first read 26 ms later.
        EXPECT_EQ(clock.reads, 27u) << "start " << start;
        EXPECT_EQ(clock.ticks - start, 27u) << "start " << start;
    }
}

TEST(BusyWaitTest, CoarseCounterEndsOnTheFirstReadPastTheDelay) {
    FakeClock clock(0xFFFFFFF0u, 10);
    const ScopedClock guard(clock);
    BusyWait(25);
    // Reads at +0, +10, +20, +30: 30 is the first elapsed time above 25.
    EXPECT_EQ(clock.reads, 4u);
}

TEST(BusyWaitTest, ExactlyTheDelayIsNotEnough) {
    FakeClock clock;
    clock.script = {0xFFFFFFF0u, 0xFFFFFFF0u, 0xFFFFFFFFu, 0x00000009u, 0x00000009u, 0x0000000Au};
    const ScopedClock guard(clock);
    BusyWait(25);
    // 0x09 is 25 ms after the start, across the wrap; only 0x0A, 26 ms after, ends the wait.
    EXPECT_EQ(clock.reads, 6u);
}

TEST(BusyWaitTest, ZeroWaitsForTheCounterToMove) {
    FakeClock clock;
    clock.script = {100, 100, 100, 101};
    const ScopedClock guard(clock);
    BusyWait(0);
    EXPECT_EQ(clock.reads, 4u);
}

TEST(BusyWaitTest, NegativeDelayEndsOnTheSecondRead) {
    FakeClock clock;
    clock.script = {500, 500};
    const ScopedClock guard(clock);
    BusyWait(-1);
    EXPECT_EQ(clock.reads, 2u);
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
