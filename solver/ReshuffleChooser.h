#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

#include "solver/Solver.h"

// Chooses where to reshuffle. A reshuffle keeps the ordered runs and deals the rest at random,
// with one gap right of each run, so a row finished to its king leaves a gap that can never be
// filled: the most run cards is not always the best place to stop. The chooser plays reshuffles
// of its own, dealt from its own generator, from the most promising run ends, and picks the ends
// whose deals were won most often.
class ReshuffleChooser {
public:
    struct Options {
        // Positions for all trial deals together, and for each.
        std::uint64_t maxPositions = 1'000'000;
        std::uint64_t positionsPerTrial = 20'000;
        std::optional<std::chrono::steady_clock::time_point> deadline;
        const std::atomic_bool* stop = nullptr;
    };

    explicit ReshuffleChooser(Options chooserOptions) : options(chooserOptions) {}

    // An index into reached. The seed makes the trial deals repeatable.
    std::size_t Choose(const std::vector<RunReach>& reached, std::uint64_t seed);
    // Positions searched by the trial deals so far.
    std::uint64_t Positions() const { return positions; }

    // A deal as a reshuffle from these run ends could make it.
    static Position Reshuffled(const std::array<std::uint8_t, Position::Rows>& runEnds,
                               std::uint64_t& generator);

private:
    // What the next trial deal may spend: the positions left, at most its share; only while
    // OutOfTime() is false.
    Budget TrialBudget() const;
    double Trial(const RunReach& reach, std::uint64_t& generator);
    bool OutOfTime() const;

    Options options;
    std::uint64_t positions = 0;
};
