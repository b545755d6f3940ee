#include "cards/BusyWait.h"

#include "platform/Clock.h"

void BusyWait(std::int32_t ms) {
    Clock& clock = GameClock();
    const std::uint32_t start = clock.TickCount();
    while (true) {
        const std::uint32_t elapsed = clock.TickCount() - start;
        if (static_cast<std::int64_t>(elapsed) > static_cast<std::int64_t>(ms)) return;
    }
}
