#include "solver/Solver.h"

#include <optional>
#include <utility>

#include "solver/SearchState.h"
#include "solver/VisitedSet.h"

namespace {

// Remembers the first line found to each set of run ends.
class RunTracker {
public:
    void See(const SearchState& state, const std::vector<Step>& path) {
        int& index = indexOf[static_cast<std::size_t>(state.RunKey())];
        if (index >= 0) return;
        index = static_cast<int>(reached.size());
        reached.push_back(state.Reach(path));
    }
    std::vector<RunReach> Take() { return std::move(reached); }

private:
    std::vector<int> indexOf = std::vector<int>(std::size_t{1} << 16, -1);
    std::vector<RunReach> reached;
};

struct Frame {
    std::array<Step, 8> steps;
    int count = 0;
    int next = 0;
};

}  // namespace

SolveResult Solve(const Position& start, const Budget& budget) {
    SolveResult result;
    SearchState state(start);
    result.positions = 1;
    if (state.Won()) {
        result.status = SolveStatus::Solved;
        return result;
    }

    VisitedSet visited;
    visited.Insert(state.KeyA(), state.KeyB());
    std::vector<Frame> stack(1);
    stack.reserve(256);
    stack.back().count = state.Generate(stack.back().steps);
    std::vector<Step> path;
    std::optional<RunTracker> runs;
    if (budget.trackRuns) {
        runs.emplace();
        runs->See(state, path);
    }
    const auto finish = [&](SolveStatus status) {
        result.status = status;
        if (runs) result.reached = runs->Take();
        return std::move(result);
    };

    std::uint32_t sinceCheck = 0;
    while (!stack.empty()) {
        if (++sinceCheck == 512) {
            sinceCheck = 0;
            if (budget.stop != nullptr && budget.stop->load(std::memory_order_relaxed)) return finish(SolveStatus::Stopped);
            if (budget.deadline && std::chrono::steady_clock::now() >= *budget.deadline) {
                return finish(SolveStatus::BudgetExhausted);
            }
        }
        Frame& frame = stack.back();
        if (frame.next == frame.count) {
            stack.pop_back();
            if (!path.empty()) {
                state.Do(path.back().to, path.back().from);
                path.pop_back();
            }
            continue;
        }
        const Step step = frame.steps[static_cast<std::size_t>(frame.next++)];
        state.Do(step.from, step.to);
        if (state.Won()) {
            path.push_back(step);
            result.line = ToLine(path);
            ++result.positions;
            return finish(SolveStatus::Solved);
        }
        VisitedSet::Key* slot = visited.Find(state.KeyA(), state.KeyB());
        if (VisitedSet::Taken(slot)) {
            state.Do(step.to, step.from);
            continue;
        }
        Frame child;
        child.count = state.Generate(child.steps);
        const bool deadEnd = child.count == 0;
        // A position without moves is only ever a loss: no need to remember it.
        if (!(budget.prune && deadEnd)) visited.Claim(slot, state.KeyA(), state.KeyB());
        if (result.positions >= budget.maxPositions) return finish(SolveStatus::BudgetExhausted);
        ++result.positions;
        path.push_back(step);
        if (runs) runs->See(state, path);
        if (deadEnd) {
            path.pop_back();
            state.Do(step.to, step.from);
            continue;
        }
        for (int i = 0; i < child.count; ++i) visited.Prefetch(state.KeyAAfter(child.steps[static_cast<std::size_t>(i)]));
        stack.push_back(child);
    }
    return finish(SolveStatus::NoSolution);
}
