#include "cards/RandomSource.h"

#include "platform/Clock.h"

std::uint32_t RandomSource::NextRandom(std::uint32_t n) {
    GameRandom random = Draws();
    const std::uint32_t value = random.Next(n);
    Continue(random);
    return value;
}

void RandomSource::SeedFromClock() {
    Clock& clock = GameClock();
    std::uint64_t counter = 0;
    if (clock.PerformanceCounter(counter)) {
        GeneratorSeed = static_cast<std::uint32_t>(counter);
    } else {
        GeneratorSeed = clock.TickCount();
    }
}
