#pragma once

#include <cstdint>

// A small, fast generator for the solver's own needs, stepping state; never the game's random
// source, which a search must not read or disturb.
constexpr std::uint64_t SplitMix(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}
