#pragma once

#include <cstdint>

// Largest distance in pixels a sliding pile moves in one step, and the wait before each step.
inline constexpr int SlideStep = 30;
inline constexpr int SlideDelay = 25;

// Blocks, handling no events, until more than ms milliseconds have passed on the game clock's
// tick counter; the difference is taken modulo 2^32, so the counter's wrap-around does no harm.
// The thread sleeps until the first tick that ends the wait rather than reading the counter
// over and over: a slide or a deal's pause costs no processor time.
void BusyWait(std::int32_t ms);
