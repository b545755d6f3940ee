#pragma once

// What a search is given and what it gives back, shared by the solver and the searches it runs.

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

#include "rules/Position.h"

enum class SolveStatus { Solved, NoSolution, BudgetExhausted, Stopped };

struct Budget {
    std::uint64_t maxPositions = 1'000'000;
    std::optional<std::chrono::steady_clock::time_point> deadline;
    const std::atomic_bool* stop = nullptr;
    // Skips positions that have no move left or hold a card that can never move again off its
    // home place; off only to check that skipping is sound.
    bool prune = true;
    // Also remember a line to every reachable set of run ends, the places to reshuffle from.
    bool trackRuns = false;

    bool Stopped() const { return stop != nullptr && stop->load(std::memory_order_relaxed); }
    bool PastDeadline() const { return deadline && std::chrono::steady_clock::now() >= *deadline; }
};

// What a reshuffle keeps: where each row's ordered run ends (the first column not in it), and a
// line that gets there. Every position with the same run ends reshuffles alike.
struct RunReach {
    std::array<std::uint8_t, Position::Rows> runEnds{};
    std::vector<Move> line;

    // Cards beyond the aces in the runs.
    int RunCards() const { return runEnds[0] + runEnds[1] + runEnds[2] + runEnds[3] - Position::Rows; }
};

struct SolveResult {
    SolveStatus status = SolveStatus::NoSolution;
    // The winning line when Solved.
    std::vector<Move> line;
    // Positions reached, the start included; one reached again by a later pass counts again.
    std::uint64_t positions = 0;
    // With trackRuns: each set of run ends reached once, the start's first.
    std::vector<RunReach> reached;
};
