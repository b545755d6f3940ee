#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

#include "solver/ReshuffleChooser.h"
#include "solver/Solver.h"

class HeadlessGame;

// Plays a deal as a player could, from what is on the table alone. Each round it searches for a
// line that wins without a reshuffle; when it finds none and a reshuffle is left, it walks to the
// reachable run ends that did best in reshuffles of its own (ReshuffleChooser) and presses
// reshuffle, whose outcome is the game's chance and never read in advance.
class FairPlayer {
public:
    struct Options {
        // The search for a win, then the trial reshuffles. Counted in positions, so a deal plays
        // the same on any machine at any load. A round won by search is won for sure, while one
        // left to a reshuffle is a gamble, so the search gets the larger share: about three
        // seconds for a round of 48 loose cards on one core.
        std::uint64_t maxPositions = 10'000'000;
        std::uint64_t reshufflePositions = 1'000'000;
        // A wall-clock guard for each round, off unless asked for: with it, what is found
        // depends on the machine's speed.
        std::optional<std::chrono::milliseconds> timePerRound;
        const std::atomic_bool* stop = nullptr;
    };

    struct Step {
        bool reshuffle = false;
        Move move;
        int suit = 0;
        int rank = 0;
    };

    struct Outcome {
        bool won = false;
        bool stopped = false;
        std::vector<Step> steps;
        int reshufflesUsed = 0;
        // How the first round's search ended.
        SolveStatus firstRound = SolveStatus::NoSolution;
        std::uint64_t positions = 0;
    };

    explicit FairPlayer(Options playerOptions) : options(playerOptions) {}

    Outcome Play(HeadlessGame& game) const;

private:
    bool Walk(HeadlessGame& game, const std::vector<Move>& line, Outcome& outcome) const;

    Options options;
};
