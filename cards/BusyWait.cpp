#include "cards/BusyWait.h"

#include "platform/Clock.h"

namespace {
SystemClock systemClock;
Clock* waitClock = &systemClock;
}  // namespace

void SetBusyWaitClock(Clock* clock) {
    waitClock = clock != nullptr ? clock : &systemClock;
}

Clock& BusyWaitClock() {
    return *waitClock;
}

void BusyWait(std::int32_t ms) {
    const std::uint32_t start = waitClock->TickCount();
    while (true) {
        const std::uint32_t elapsed = waitClock->TickCount() - start;
        if (static_cast<std::int64_t>(elapsed) > static_cast<std::int64_t>(ms)) return;
    }
}
