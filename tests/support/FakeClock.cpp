#include "FakeClock.h"

std::uint32_t FakeClock::TickCount() {
    if (probe) probe();
    const std::uint64_t read = reads++;
    if (read < script.size()) return script[static_cast<std::size_t>(read)];
    const std::uint32_t now = ticks;
    ticks += stepMs;
    return now;
}

bool FakeClock::PerformanceCounter(std::uint64_t& value) {
    value = counter;
    return hasCounter;
}
