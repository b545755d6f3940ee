#pragma once

#include <cstdint>

// The game's pseudo-random generator as a value. Its whole state is one 32-bit seed, so the same
// seed always gives the same numbers, and therefore the same deal and the same reshuffles. The
// process's generator (cards/Random) steps through this one; headless play owns its own.
class GameRandom {
public:
    explicit GameRandom(std::uint32_t seedValue) : seed(seedValue) {}

    std::uint32_t Seed() const { return seed; }
    // Steps the seed (seed * 134775813 + 1, modulo 2^32), then gives floor(n * seed / 2^32): a
    // number in 0..n-1 for n >= 1, and 0 for n = 0.
    std::uint32_t Next(std::uint32_t n) {
        seed = seed * 134775813u + 1u;
        return static_cast<std::uint32_t>((static_cast<std::uint64_t>(n) * seed) >> 32);
    }

    // The shuffle of a pile of count cards: 100 * count swaps of two slots, each drawn from
    // 1..count. swapSlots(i, j) swaps slots i and j.
    template <typename SwapSlots>
    void Shuffle(int count, SwapSlots swapSlots) {
        if (count < 2) return;
        const auto n = static_cast<std::uint32_t>(count);
        for (int step = 0; step < 100 * count; ++step) {
            const int i = static_cast<int>(Next(n)) + 1;
            const int j = static_cast<int>(Next(n)) + 1;
            swapSlots(i, j);
        }
    }

private:
    std::uint32_t seed;
};
