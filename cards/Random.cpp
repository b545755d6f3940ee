#include "cards/Random.h"

#include "platform/Clock.h"
#include "rules/GameRandom.h"

std::uint32_t GeneratorSeed = 0;

std::uint32_t NextRandom(std::uint32_t n) {
    GameRandom random(GeneratorSeed);
    const std::uint32_t value = random.Next(n);
    GeneratorSeed = random.Seed();
    return value;
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
