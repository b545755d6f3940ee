#include "base/Statistics.h"

#include <algorithm>
#include <limits>

namespace {
// Counters are kept for years of play; they stop at the top instead of wrapping to negative.
void Increment(std::int32_t& counter) {
    if (counter < std::numeric_limits<std::int32_t>::max()) ++counter;
}
}  // namespace

void Statistics::CountWon() {
    Increment(sinceStartWon);
    Increment(totalWon);
    if (series < 0) {
        longestLost = std::max(longestLost, -series);
        series = 0;
    }
    Increment(series);
    longestWon = std::max(longestWon, series);
}

void Statistics::CountLost() {
    Increment(sinceStartLost);
    Increment(totalLost);
    if (series > 0) {
        longestWon = std::max(longestWon, series);
        series = 0;
    }
    if (series > std::numeric_limits<std::int32_t>::min() + 1) --series;
    longestLost = std::max(longestLost, -series);
}

int Statistics::Percent() const {
    const std::int64_t all = static_cast<std::int64_t>(sinceStartWon) + sinceStartLost;
    if (all <= 0) return 50;
    return static_cast<int>(static_cast<std::int64_t>(sinceStartWon) * 100 / all);
}

const char* Statistics::FaceFor(int percent) {
    if (percent >= 80) return "b100";
    if (percent >= 60) return "b80";
    if (percent >= 40) return "b60";
    if (percent < 20) return "b20";
    return "b40";
}
