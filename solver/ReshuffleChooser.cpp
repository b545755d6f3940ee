#include "solver/ReshuffleChooser.h"

#include <algorithm>
#include <numeric>

#include "solver/SplitMix.h"

namespace {

constexpr int Columns = Position::Columns;
constexpr int Rows = Position::Rows;
constexpr std::uint8_t RowEnd = Columns - 1;

int FinishedRows(const RunReach& reach) {
    return static_cast<int>(std::count(reach.runEnds.begin(), reach.runEnds.end(), RowEnd));
}

struct Candidate {
    std::size_t index = 0;
    double score = 0;
    int trials = 0;
    double Mean() const { return trials == 0 ? 0 : score / trials; }
};

// Trials per candidate in each stage, and how many candidates go on to the next.
constexpr std::array<int, 3> StageTrials{8, 24, 64};
constexpr std::array<std::size_t, 3> StageKeeps{6, 2, 1};
// Per number of finished rows, the candidates with the most run cards.
constexpr std::size_t PerFinishedRows = 6;

}  // namespace

Position ReshuffleChooser::Reshuffled(const std::array<std::uint8_t, Position::Rows>& runEnds,
                                      std::uint64_t& generator) {
    Position position;
    std::vector<std::uint8_t> cards;
    for (int row = 0; row < Rows; ++row) {
        const int end = runEnds[static_cast<std::size_t>(row)];
        for (int column = 0; column < end; ++column) {
            position.Set(column, row, Position::Code(row, column + 1));
        }
        for (int rank = end + 1; rank <= 13; ++rank) cards.push_back(Position::Code(row, rank));
    }
    for (std::size_t i = cards.size(); i > 1; --i) {
        const auto j = static_cast<std::size_t>(((SplitMix(generator) >> 32) * i) >> 32);
        std::swap(cards[i - 1], cards[j]);
    }
    auto card = cards.begin();
    for (int row = 0; row < Rows; ++row) {
        for (int column = runEnds[static_cast<std::size_t>(row)] + 1; column < Columns; ++column) {
            position.Set(column, row, *card++);
        }
    }
    return position;
}

Budget ReshuffleChooser::TrialBudget() const {
    Budget budget;
    budget.maxPositions = std::min(options.positionsPerTrial, options.maxPositions - positions);
    budget.deadline = options.deadline;
    budget.stop = options.stop;
    return budget;
}

bool ReshuffleChooser::OutOfTime() const {
    if (positions >= options.maxPositions) return true;
    const Budget budget = TrialBudget();
    return budget.Stopped() || budget.PastDeadline();
}

double ReshuffleChooser::Trial(const RunReach& reach, std::uint64_t& generator) {
    const SolveResult result = Solve(Reshuffled(reach.runEnds, generator), TrialBudget());
    positions += result.positions;
    switch (result.status) {
        case SolveStatus::Solved:
            return 1;
        case SolveStatus::NoSolution:
            return 0;
        // A deal too large to settle quickly is neither: it keeps most of its chances.
        default:
            return 0.5;
    }
}

std::size_t ReshuffleChooser::Choose(const std::vector<RunReach>& reached, std::uint64_t seed) {
    if (reached.empty()) return 0;
    std::vector<std::size_t> order(reached.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return reached[a].RunCards() > reached[b].RunCards();
    });
    // Without time for trials, the most run cards.
    const std::size_t fallback = order.front();

    std::vector<Candidate> candidates;
    std::array<std::size_t, Rows + 1> taken{};
    for (const std::size_t index : order) {
        std::size_t& count = taken[static_cast<std::size_t>(FinishedRows(reached[index]))];
        if (count < PerFinishedRows) {
            ++count;
            candidates.push_back({index, 0, 0});
        }
    }
    if (candidates.size() == 1) return candidates.front().index;

    std::uint64_t generator = seed;
    for (std::size_t stage = 0; stage < StageTrials.size(); ++stage) {
        for (Candidate& candidate : candidates) {
            for (int trial = 0; trial < StageTrials[stage]; ++trial) {
                if (OutOfTime()) {
                    const auto best = std::max_element(
                        candidates.begin(), candidates.end(),
                        [](const Candidate& a, const Candidate& b) { return a.Mean() < b.Mean(); });
                    return best->trials == 0 ? fallback : best->index;
                }
                candidate.score += Trial(reached[candidate.index], generator);
                ++candidate.trials;
            }
        }
        std::stable_sort(candidates.begin(), candidates.end(),
                         [](const Candidate& a, const Candidate& b) { return a.Mean() > b.Mean(); });
        if (candidates.size() > StageKeeps[stage]) candidates.resize(StageKeeps[stage]);
    }
    return candidates.front().index;
}
