#include "platform/Clock.h"

#include <chrono>

namespace {
SystemClock systemClock;
Clock* gameClock = &systemClock;
}  // namespace

QDateTime Clock::LocalTime() {
    return QDateTime::currentDateTime();
}

std::uint32_t SystemClock::TickCount() {
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(since).count();
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(ms));
}

bool SystemClock::PerformanceCounter(std::uint64_t& value) {
    value = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    return true;
}

Clock& GameClock() {
    return *gameClock;
}

ScopedClock::ScopedClock(Clock& clock) : previous(gameClock) {
    gameClock = &clock;
}

ScopedClock::~ScopedClock() {
    gameClock = previous;
}
