#include "platform/Clock.h"

#include <chrono>
#include <thread>

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

void SystemClock::SleepUntil(std::uint32_t tick) {
    using std::chrono::milliseconds;
    const auto now =
        std::chrono::duration_cast<milliseconds>(std::chrono::steady_clock::now().time_since_epoch());
    const auto ahead =
        static_cast<std::int32_t>(tick - static_cast<std::uint32_t>(static_cast<std::uint64_t>(now.count())));
    if (ahead <= 0) return;
    // The very moment the counter turns to `tick`, so a wait lasts what spinning made it last.
    std::this_thread::sleep_until(std::chrono::steady_clock::time_point(now + milliseconds(ahead)));
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
