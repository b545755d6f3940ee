#include "settings/RecordFigures.h"

#include <QDateTime>
#include <algorithm>

std::optional<double> RecordFigures::WinRate() const {
    if (deals == 0) return std::nullopt;
    return 100.0 * won / deals;
}

RecordFigures RecordFigures::Of(std::span<const RecordRow> newestFirst) {
    RecordFigures figures;
    bool streakOpen = true;
    for (const RecordRow& row : newestFirst) {
        const bool won = row.result == DealResult::Won;
        ++figures.deals;
        if (won) {
            ++figures.won;
            const std::int64_t took = std::max<std::int64_t>(0, row.endedMs - row.startedMs);
            figures.bestMs = std::min(figures.bestMs.value_or(took), took);
            figures.worstMs = std::max(figures.worstMs.value_or(took), took);
        }
        if (!streakOpen) continue;
        if (figures.streak == 0 || (figures.streak > 0) == won) {
            figures.streak += won ? 1 : -1;
        } else {
            streakOpen = false;
        }
    }
    return figures;
}

std::vector<double> RecordFigures::RollingWinRate(std::span<const RecordRow> newestFirst, int window) {
    std::vector<double> rates;
    const int size = static_cast<int>(newestFirst.size());
    rates.reserve(newestFirst.size());
    int wonInWindow = 0;
    // Oldest first: the row at index size-1-i.
    auto wonAt = [&](int i) {
        return newestFirst[static_cast<std::size_t>(size - 1 - i)].result == DealResult::Won;
    };
    for (int i = 0; i < size; ++i) {
        if (wonAt(i)) ++wonInWindow;
        if (i >= window && wonAt(i - window)) --wonInWindow;
        rates.push_back(100.0 * wonInWindow / std::min(i + 1, window));
    }
    return rates;
}

QString RecordFigures::Csv(std::span<const RecordRow> newestFirst) {
    QString text =
        QStringLiteral("deal,started,ended,seconds,result,reshuffles,moves,undos,hints,language\n");
    for (const RecordRow& row : newestFirst) {
        const auto iso = [](std::int64_t ms) {
            return QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC).toString(Qt::ISODate);
        };
        text += QStringLiteral("%1,%2,%3,%4,%5,%6,%7,%8,%9,")
                    .arg(row.deal)
                    .arg(iso(row.startedMs), iso(row.endedMs))
                    .arg((row.endedMs - row.startedMs) / 1000)
                    .arg(QString::fromLatin1(ResultName(row.result).data(),
                                             static_cast<qsizetype>(ResultName(row.result).size())))
                    .arg(row.reshuffles)
                    .arg(row.moves)
                    .arg(row.undos)
                    .arg(row.hints);
        text += row.language + QLatin1Char('\n');
    }
    return text;
}
