#pragma once

#include <cstdint>

// The one pseudo-random generator of the process. Its whole state is GeneratorSeed, which the
// deal saves and the replay restores, so the same seed always gives the same deal.
extern std::uint32_t GeneratorSeed;

// Advances the seed one step and returns floor(n * seed / 2^32), a number in 0..n-1 for n >= 1.
std::uint32_t NextRandom(std::uint32_t n);

// Seeds the generator from the game clock's high-resolution counter, or from its tick counter
// without one.
void SeedFromClock();
