#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "settings/RecordRow.h"

// What the history window says of a run of rows, newest first: the current streak, the fastest
// and slowest won deals, and the win rate. Every ending but a win counts as not won.
struct RecordFigures {
    int deals = 0;
    int won = 0;
    // +n after n wins in a row, -n after n deals not won; 0 without rows.
    int streak = 0;
    // Milliseconds from deal to end of the quickest and the slowest won deal.
    std::optional<std::int64_t> bestMs;
    std::optional<std::int64_t> worstMs;

    // Percent, 0 to 100; nothing without rows.
    std::optional<double> WinRate() const;

    static RecordFigures Of(std::span<const RecordRow> newestFirst);
    // The win rate over the `window` deals up to each deal, oldest deal first: the chart's line.
    // The first deals average over as many as there are.
    static std::vector<double> RollingWinRate(std::span<const RecordRow> newestFirst, int window);
    // The rows as comma-separated values with a header line, newest first.
    static QString Csv(std::span<const RecordRow> newestFirst);
};
