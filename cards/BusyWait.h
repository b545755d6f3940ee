#pragma once

#include <cstdint>

class Clock;

// Largest distance in pixels a sliding pile moves in one step, and the wait before each step.
inline constexpr int SlideStep = 30;
inline constexpr int SlideDelay = 25;

// The clock that paces busy waits; the system clock unless a test or the program installs another.
// The clock must outlive its use; nullptr restores the system clock.
void SetBusyWaitClock(Clock* clock);
Clock& BusyWaitClock();

// Spins, without handling any events, until more than ms milliseconds have passed on the tick
// counter; the difference is taken modulo 2^32, so the counter's wrap-around does no harm.
void BusyWait(std::int32_t ms);
