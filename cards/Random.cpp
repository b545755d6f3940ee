#include "cards/Random.h"

#include "platform/Clock.h"

std::uint32_t GeneratorSeed = 0;

std::uint32_t NextRandom(std::uint32_t n) {
    GeneratorSeed = GeneratorSeed * 134775813u + 1u;
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(n) * GeneratorSeed) >> 32);
}

void SeedFromClock() {
    Clock& clock = GameClock();
    std::uint64_t counter = 0;
    if (clock.PerformanceCounter(counter)) {
        GeneratorSeed = static_cast<std::uint32_t>(counter);
    } else {
        GeneratorSeed = clock.TickCount();
    }
}
