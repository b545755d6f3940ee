#pragma once

#include <cstdint>

// Largest distance in pixels a sliding pile moves in one step, and the wait before each step.
inline constexpr int SlideStep = 30;
inline constexpr int SlideDelay = 25;

// Spins, without handling any events, until more than ms milliseconds have passed on the game
// clock's tick counter; the difference is taken modulo 2^32, so the counter's wrap-around does
// no harm.
void BusyWait(std::int32_t ms);
