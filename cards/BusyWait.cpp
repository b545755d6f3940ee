#include "cards/BusyWait.h"

#include <algorithm>
#include <limits>

#include "platform/Clock.h"

void BusyWait(std::int32_t ms) {
    Clock& clock = GameClock();
    const std::uint32_t start = clock.TickCount();
    std::uint32_t now = start;
    while (true) {
        // A clock may wake the thread early, or tick coarsely: it sleeps again until the same
        // first tick that ends the wait.
        const std::int64_t left = static_cast<std::int64_t>(ms) + 1 - static_cast<std::int64_t>(now - start);
        if (left > 0) {
            clock.SleepUntil(now + static_cast<std::uint32_t>(std::min<std::int64_t>(
                                       left, std::numeric_limits<std::int32_t>::max())));
        }
        now = clock.TickCount();
        if (static_cast<std::int64_t>(now - start) > static_cast<std::int64_t>(ms)) return;
    }
}
