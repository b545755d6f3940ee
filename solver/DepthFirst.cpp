#include "solver/DepthFirst.h"

#include <optional>

#include "solver/RunTracker.h"
#include "solver/VisitedSet.h"

namespace {

struct Frame {
    StepList steps;
    int count = 0;
    int next = 0;
    // Moves since a run last grew.
    int sinceGrowth = 0;
};

// Takes the path's last move back.
void StepBack(SearchState& state, std::vector<Step>& path) {
    state.Do(path.back().to, path.back().from);
    path.pop_back();
}

// Running out leaves the positions on the path, and the one just reached, with moves not yet
// tried: they are forgotten, so that the next pass searches them again.
SolveStatus RunOut(SolveStatus status, const Pass& pass, VisitedSet& visited, SearchState& state,
                   std::vector<Step>& path) {
    if (pass.memory == nullptr) return status;
    for (;;) {
        VisitedSet::Key* slot = visited.Find(state.Key());
        if (VisitedSet::Taken(slot)) visited.Erase(slot);
        if (path.empty()) break;
        StepBack(state, path);
    }
    return status;
}

// The moves from a position just reached, sinceGrowth moves after a run last grew.
Frame Expand(const SearchState& state, const Pass& pass, int sinceGrowth) {
    Frame frame;
    frame.sinceGrowth = sinceGrowth;
    frame.count = state.Generate(frame.steps, pass.rules);
    // Past the bound only a run's growth may follow, and with kept runs that is the one move
    // offered whenever it is there.
    if (pass.movesPerGrowth > 0 && sinceGrowth >= pass.movesPerGrowth && !state.CanGrow()) frame.count = 0;
    return frame;
}

}  // namespace

SolveStatus DepthFirst(const Position& start, const Budget& budget, const Pass& pass, SearchTally& tally) {
    SearchState state(start);
    std::optional<VisitedSet> ownSet;
    VisitedSet& visited = pass.memory != nullptr ? pass.memory->seen : ownSet.emplace();
    visited.Insert(state.Key());
    std::vector<Frame> stack(1);
    stack.reserve(256);
    stack.back().count = state.Generate(stack.back().steps, pass.rules);
    std::vector<Step> path;
    std::uint32_t sinceCheck = 0;
    while (!stack.empty()) {
        if (++sinceCheck == 512) {
            sinceCheck = 0;
            if (budget.Stopped()) return RunOut(SolveStatus::Stopped, pass, visited, state, path);
            if (budget.PastDeadline())
                return RunOut(SolveStatus::BudgetExhausted, pass, visited, state, path);
        }
        Frame& frame = stack.back();
        if (frame.next == frame.count) {
            stack.pop_back();
            if (!path.empty()) StepBack(state, path);
            continue;
        }
        const Step step = frame.steps[static_cast<std::size_t>(frame.next++)];
        const int runCardsBefore = state.RunCards();
        const int sinceGrowth = frame.sinceGrowth;
        state.Do(step.from, step.to);
        if (state.Won()) {
            path.push_back(step);
            tally.line = ToLine(path);
            ++tally.positions;
            return SolveStatus::Solved;
        }
        VisitedSet::Key* slot = visited.Find(state.Key());
        if (VisitedSet::Taken(slot)) {
            state.Do(step.to, step.from);
            continue;
        }
        const Frame child = Expand(state, pass, state.RunCards() > runCardsBefore ? 0 : sinceGrowth + 1);
        const bool deadEnd = child.count == 0;
        // A position without moves is only ever a loss: no need to remember it.
        if (!(budget.prune && deadEnd)) visited.Claim(slot, state.Key());
        path.push_back(step);
        if (tally.positions >= pass.limit)
            return RunOut(SolveStatus::BudgetExhausted, pass, visited, state, path);
        ++tally.positions;
        // Asked for before the deadlock test, so that the table's memory arrives while it runs.
        for (int i = 0; i < child.count; ++i)
            visited.Prefetch(state.KeyAfter(child.steps[static_cast<std::size_t>(i)]));
        if (tally.runs != nullptr) tally.runs->See(state, path);
        if (deadEnd || (budget.prune && state.Deadlocked(pass.rules.keepRuns))) {
            StepBack(state, path);
            continue;
        }
        stack.push_back(child);
    }
    return SolveStatus::NoSolution;
}
