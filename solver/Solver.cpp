#include "solver/Solver.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "solver/DepthFirst.h"
#include "solver/RunTracker.h"
#include "solver/SplitMix.h"

namespace {

// The passes that keep the runs may use this share of the positions; the rest is left for the
// full search, the only one that may prove a round lost.
constexpr std::uint64_t KeptRunsPercent = 97;
// Each pass with a bound on the moves between growths may use this share.
constexpr std::uint64_t BoundedPercent = 10;
// Positions for the first unbounded pass; the next ones get this times 1, 2, 1, 1, 2, 4, ...
constexpr std::uint64_t FirstRestartPositions = 20'000;

std::uint64_t Share(std::uint64_t total, std::uint64_t percent) {
    return total / 100 * percent + total % 100 * percent / 100;
}

// The Luby sequence 1, 1, 2, 1, 1, 2, 4, 1, 1, 2, 1, 1, 2, 4, 8, ... for i = 1, 2, ...: restarts
// that spend about as much on long passes as on short ones, whatever length a deal needs.
std::uint64_t Luby(std::uint64_t i) {
    for (;;) {
        int k = 1;
        while ((std::uint64_t{1} << k) - 1 < i) ++k;
        if (i == (std::uint64_t{1} << k) - 1) return std::uint64_t{1} << (k - 1);
        i -= (std::uint64_t{1} << (k - 1)) - 1;
    }
}

}  // namespace

SolveResult Solve(const Position& start, const Budget& budget) {
    SolveResult result;
    result.positions = 1;
    if (start.IsWon()) {
        result.status = SolveStatus::Solved;
        return result;
    }
    std::optional<RunTracker> runs;
    SearchTally tally;
    tally.positions = 1;
    if (budget.trackRuns) {
        runs.emplace();
        runs->See(SearchState(start), {});
        tally.runs = &*runs;
    }
    const auto finish = [&](SolveStatus status) {
        result.status = status;
        result.positions = tally.positions;
        result.line = std::move(tally.line);
        if (runs) result.reached = runs->Take();
        return std::move(result);
    };

    // The runs never need to shrink in most wins, and a run that can grow may as well grow at
    // once: passes that keep to that see far fewer positions. First the lines where a run grows
    // after at most one, two or three other moves: few positions, and most easy deals are won
    // there, quickly.
    const std::uint64_t keptLimit = Share(budget.maxPositions, KeptRunsPercent);
    for (int bound = 1; bound <= 3; ++bound) {
        Pass pass;
        pass.rules.keepRuns = true;
        pass.movesPerGrowth = bound;
        pass.limit = std::min(keptLimit, tally.positions + Share(budget.maxPositions, BoundedPercent));
        const SolveStatus status = DepthFirst(start, budget, pass, tally);
        if (status == SolveStatus::Solved || status == SolveStatus::Stopped) return finish(status);
        if (budget.PastDeadline()) return finish(SolveStatus::BudgetExhausted);
    }
    // Then without a bound. A depth-first search that took a wrong turn early spends everything
    // below it, so it starts again, each time with more positions and its moves in another order
    // (the first in the order of what frees the runs' next places). Each start skips what the
    // ones before searched to its end, so together they see every position there is with the
    // runs kept, and each spends its positions on new ones.
    std::uint64_t shuffle = 0x2545F4914F6CDD1Dull;
    PassMemory memory;
    for (std::uint64_t restart = 1; tally.positions < keptLimit; ++restart) {
        Pass pass;
        pass.rules.keepRuns = true;
        pass.rules.shuffle = restart == 1 ? 0 : SplitMix(shuffle) | 1;
        pass.limit = std::min(keptLimit, tally.positions + FirstRestartPositions * Luby(restart));
        pass.memory = &memory;
        const SolveStatus status = DepthFirst(start, budget, pass, tally);
        if (status == SolveStatus::Solved || status == SolveStatus::Stopped) return finish(status);
        if (status == SolveStatus::NoSolution) break;
        if (budget.PastDeadline()) return finish(SolveStatus::BudgetExhausted);
    }
    // Last the full search, with every move.
    Pass full;
    full.limit = budget.maxPositions;
    return finish(DepthFirst(start, budget, full, tally));
}
