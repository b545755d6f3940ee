#pragma once

#include <cstdint>
#include <vector>

#include "solver/SearchState.h"
#include "solver/SearchTypes.h"
#include "solver/VisitedSet.h"

class RunTracker;

// What passes with the same rules, in different orders, know from the ones before: every position
// they searched to its end. A pass that runs out forgets the positions it was still searching (its
// path), so a later pass searches them again: no position is searched to its end twice, and the
// passes together still see every position their rules allow.
struct PassMemory {
    VisitedSet seen;
};

// One depth-first pass over the positions reachable from a start, each seen once.
struct Pass {
    MoveRules rules;
    // Only with keepRuns: at most this many moves between two growths of a run (0: no bound).
    int movesPerGrowth = 0;
    // Stops when the search's positions reach it.
    std::uint64_t limit = 0;
    // Only without a bound on the moves between growths, where the rules depend on the position
    // alone.
    PassMemory* memory = nullptr;
};

// What the passes of one search share: the positions counted so far, the winning line once found,
// and the run ends reached.
struct SearchTally {
    std::uint64_t positions = 0;
    std::vector<Move> line;
    RunTracker* runs = nullptr;
};

// NoSolution says only that this pass, with its rules, saw every position it allows.
SolveStatus DepthFirst(const Position& start, const Budget& budget, const Pass& pass, SearchTally& tally);
