#pragma once

#include <cstdint>

#include "rules/Position.h"
#include "solver/SearchTypes.h"

// Looks for a line that wins without a reshuffle: first in passes that keep the ordered runs
// (bounded, then restarted in other orders), then in a full depth-first search. The same start and
// budget always give the same answer. NoSolution only ever comes from the full search having seen
// every reachable position; a spent budget answers BudgetExhausted.
SolveResult Solve(const Position& start, const Budget& budget);

// The H key's searches: a short one behind every move, small enough that a move costs the
// processor little, and a long one only while H waits for more than the short one found.
constexpr std::uint64_t HintQuickPositions = 100'000;
constexpr std::uint64_t HintFullPositions = 4'000'000;
