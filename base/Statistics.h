#pragma once

#include <cstdint>

// Won and lost deals of this run and of all time, the longest runs of each, and the current run
// (+n after n wins in a row, -n after n losses).
struct Statistics {
    std::int32_t sinceStartWon = 0;
    std::int32_t sinceStartLost = 0;
    std::int32_t totalWon = 0;
    std::int32_t totalLost = 0;
    std::int32_t longestWon = 0;
    std::int32_t longestLost = 0;
    std::int32_t series = 0;

    void CountWon();
    void CountLost();
    // Win percentage of this run, truncated; 50 while nothing is counted.
    int Percent() const;
    // The score face for a percentage: "b100", "b80", "b60", "b40" or "b20".
    static const char* FaceFor(int percent);
};
