#pragma once

#include <QString>
#include <cstdint>

#include "base/DealResult.h"

// One counted deal as the player's record keeps it. Times are milliseconds since the epoch.
struct RecordRow {
    std::int64_t id = 0;
    std::uint32_t deal = 0;
    std::int64_t startedMs = 0;
    std::int64_t endedMs = 0;
    DealResult result = DealResult::Won;
    int reshuffles = 0;
    int moves = 0;
    int undos = 0;
    int hints = 0;
    // "de" or "en".
    QString language;

    bool operator==(const RecordRow&) const = default;
};
