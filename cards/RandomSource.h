#pragma once

#include <cstdint>

#include "rules/GameRandom.h"

// The game's pseudo-random generator: the session owns one and hands it to whatever draws from it.
// Its whole state is GeneratorSeed, which the deal saves and the replay restores, so the same seed
// always gives the same deal; callers read and write it as a plain value.
struct RandomSource {
    std::uint32_t GeneratorSeed = 0;

    // Advances the seed one step and returns floor(n * seed / 2^32), a number in 0..n-1 for n >= 1.
    std::uint32_t NextRandom(std::uint32_t n);
    // The same generator as a value, for the deal and the reshuffle of rules/, which step through
    // it; Continue takes its seed back when they are done.
    GameRandom Draws() const { return GameRandom(GeneratorSeed); }
    void Continue(const GameRandom& random) { GeneratorSeed = random.Seed(); }

    // Seeds the generator from the game clock's high-resolution counter, or from its tick counter
    // without one.
    void SeedFromClock();
};
