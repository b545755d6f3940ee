#pragma once

#include <cstdint>

#include "cards/Random.h"

// Sets the generator's seed for its own lifetime and puts the previous one back after, so no test
// leaves the next one a seed it did not choose.
class ScopedSeed {
public:
    explicit ScopedSeed(std::uint32_t seed) : previous(GeneratorSeed) { GeneratorSeed = seed; }
    ~ScopedSeed() { GeneratorSeed = previous; }
    ScopedSeed(const ScopedSeed&) = delete;
    ScopedSeed& operator=(const ScopedSeed&) = delete;

private:
    std::uint32_t previous;
};
