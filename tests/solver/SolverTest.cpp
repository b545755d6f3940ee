#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <vector>

#include "solver/DepthFirst.h"
#include "solver/HeadlessGame.h"
#include "solver/ReshuffleChooser.h"
#include "solver/Solver.h"

namespace {

// The gap rule written out again from its wording, independent of the solver's move generator:
// the card one above the left neighbour or one below the right neighbour, same suit.
bool MayFill(const Position& position, std::uint8_t card, int column, int row) {
    if (column < 1 || position.At(column, row) != 0) return false;
    const std::uint8_t left = position.At(column - 1, row);
    if (left != 0 && left >> 4 == card >> 4 && (left & 15) + 1 == (card & 15)) return true;
    if (column == Position::Columns - 1) return false;
    const std::uint8_t right = position.At(column + 1, row);
    return right != 0 && right >> 4 == card >> 4 && (right & 15) - 1 == (card & 15);
}

std::vector<Move> AllMoves(const Position& position) {
    std::vector<Move> moves;
    for (int toRow = 0; toRow < Position::Rows; ++toRow) {
        for (int toColumn = 1; toColumn < Position::Columns; ++toColumn) {
            for (int row = 0; row < Position::Rows; ++row) {
                for (int column = 1; column < Position::Columns; ++column) {
                    const std::uint8_t card = position.At(column, row);
                    if (card != 0 && MayFill(position, card, toColumn, toRow)) {
                        moves.push_back({static_cast<std::uint8_t>(column), static_cast<std::uint8_t>(row),
                                         static_cast<std::uint8_t>(toColumn),
                                         static_cast<std::uint8_t>(toRow)});
                    }
                }
            }
        }
    }
    return moves;
}

bool Won(const Position& position) {
    for (int row = 0; row < Position::Rows; ++row) {
        for (int column = 0; column < Position::Columns - 1; ++column) {
            if (position.At(column, row) != Position::Code(row, column + 1)) return false;
        }
    }
    return true;
}

// Every reachable position, no ordering, no pruning, no hashing.
bool WinReachable(Position position, std::set<Position>& seen) {
    if (Won(position)) return true;
    if (!seen.insert(position).second) return false;
    for (const Move& move : AllMoves(position)) {
        position.Apply(move);
        if (WinReachable(position, seen)) return true;
        position.Undo(move);
    }
    return false;
}

// A won board whose rows are kept up to a random column; the remaining cards and the four gaps
// are shuffled over the remaining places of all rows.
Position SmallCase(std::mt19937& random) {
    for (;;) {
        Position position;
        std::vector<std::uint8_t> loose;
        std::vector<std::pair<int, int>> places;
        for (int row = 0; row < Position::Rows; ++row) {
            const int kept = std::uniform_int_distribution<int>(9, 13)(random);
            for (int column = 0; column < Position::Columns; ++column) {
                const std::uint8_t card = column < 13 ? Position::Code(row, column + 1) : 0;
                if (column < kept) {
                    position.Set(column, row, card);
                } else {
                    if (card != 0) loose.push_back(card);
                    places.emplace_back(column, row);
                }
            }
        }
        if (loose.size() < 3 || loose.size() > 7) continue;
        loose.resize(places.size(), 0);
        std::shuffle(loose.begin(), loose.end(), random);
        for (std::size_t i = 0; i < places.size(); ++i) {
            position.Set(places[i].first, places[i].second, loose[i]);
        }
        return position;
    }
}

TEST(Solver, AgreesWithAPlainExhaustiveSearchOnSmallPositions) {
    std::mt19937 random(15);
    int winnable = 0;
    int lost = 0;
    for (int trial = 0; trial < 400; ++trial) {
        const Position start = SmallCase(random);
        std::set<Position> seen;
        const bool reference = WinReachable(start, seen);
        for (const bool prune : {true, false}) {
            Budget budget;
            budget.maxPositions = 10'000'000;
            budget.prune = prune;
            const SolveResult result = Solve(start, budget);
            ASSERT_EQ(result.status, reference ? SolveStatus::Solved : SolveStatus::NoSolution)
                << "trial " << trial << (prune ? " pruned" : " unpruned");
            // The winning line must consist of legal moves and end in a won position.
            Position replay = start;
            for (const Move& move : result.line) {
                const std::vector<Move> legal = AllMoves(replay);
                ASSERT_NE(std::find(legal.begin(), legal.end(), move), legal.end()) << "trial " << trial;
                replay.Apply(move);
            }
            EXPECT_EQ(Won(replay), reference) << "trial " << trial;
        }
        (reference ? winnable : lost) += 1;
    }
    // Both answers must be well represented for the comparison to mean anything.
    EXPECT_GT(winnable, 40);
    EXPECT_GT(lost, 40);
}

// Passes that share what they saw and run out after a few positions each (a few more each time),
// every one in another order, must together reach the verdict of one pass that runs to its end:
// a position left with moves untried when a pass ran out is searched again by the next.
TEST(Solver, PassesThatRunOutLeaveNothingUnsearched) {
    std::mt19937 random(7);
    int won = 0;
    for (int trial = 0; trial < 200; ++trial) {
        const Position start = SmallCase(random);
        Budget budget;
        Pass whole;
        whole.rules.keepRuns = true;
        whole.limit = 10'000'000;
        SearchTally wholeTally;
        const SolveStatus verdict = DepthFirst(start, budget, whole, wholeTally);
        ASSERT_NE(verdict, SolveStatus::BudgetExhausted);

        PassMemory memory;
        SearchTally tally;
        SolveStatus status = SolveStatus::BudgetExhausted;
        for (std::uint64_t restart = 1; status == SolveStatus::BudgetExhausted; ++restart) {
            Pass piece = whole;
            piece.rules.shuffle = restart * 0x9E3779B97F4A7C15ull | 1;
            piece.limit = tally.positions + restart;
            piece.memory = &memory;
            status = DepthFirst(start, budget, piece, tally);
        }
        EXPECT_EQ(status, verdict) << "trial " << trial;
        won += verdict == SolveStatus::Solved;
    }
    EXPECT_GT(won, 20);
}

TEST(Solver, ASpentBudgetOrAStopNeverSaysLost) {
    const Position deal = HeadlessGame(1).Layout();
    Budget budget;
    budget.maxPositions = 1;
    EXPECT_EQ(Solve(deal, budget).status, SolveStatus::BudgetExhausted);
    budget.maxPositions = 1'000'000;
    budget.deadline = std::chrono::steady_clock::now();
    EXPECT_EQ(Solve(deal, budget).status, SolveStatus::BudgetExhausted);
    const std::atomic_bool stop{true};
    budget.deadline.reset();
    budget.stop = &stop;
    EXPECT_EQ(Solve(deal, budget).status, SolveStatus::Stopped);
}

// The chooser's trial deals must be laid out as the game's reshuffle lays them out, or it judges
// deals that cannot happen: same runs, same gaps, the same loose cards.
TEST(ReshuffleChooser, TrialDealsMatchTheGamesReshuffle) {
    for (const std::uint32_t deal : {3u, 8u, 21u}) {
        HeadlessGame game(deal);
        Budget budget;
        budget.maxPositions = 20'000;
        budget.trackRuns = true;
        const SolveResult result = Solve(game.Layout(), budget);
        ASSERT_EQ(result.status, SolveStatus::BudgetExhausted) << "deal " << deal;
        const auto most = std::max_element(
            result.reached.begin(), result.reached.end(),
            [](const RunReach& a, const RunReach& b) { return a.RunCards() < b.RunCards(); });
        ASSERT_GT(most->RunCards(), 3) << "deal " << deal;
        for (const Move& move : most->line) ASSERT_TRUE(game.Play(move)) << "deal " << deal;
        game.Reshuffle();

        const Position real = game.Layout();
        std::uint64_t generator = deal;
        const Position trial = ReshuffleChooser::Reshuffled(most->runEnds, generator);
        std::vector<std::uint8_t> realLoose;
        std::vector<std::uint8_t> trialLoose;
        for (int row = 0; row < Position::Rows; ++row) {
            const int end = most->runEnds[static_cast<std::size_t>(row)];
            for (int column = 0; column < Position::Columns; ++column) {
                if (column < end) {
                    EXPECT_EQ(trial.At(column, row), Position::Code(row, column + 1)) << "deal " << deal;
                    EXPECT_EQ(real.At(column, row), Position::Code(row, column + 1)) << "deal " << deal;
                } else {
                    EXPECT_EQ(real.At(column, row) == 0, column == end)
                        << "deal " << deal << " at " << column << "," << row;
                    EXPECT_EQ(trial.At(column, row) == 0, column == end)
                        << "deal " << deal << " at " << column << "," << row;
                    realLoose.push_back(real.At(column, row));
                    trialLoose.push_back(trial.At(column, row));
                }
            }
        }
        std::sort(realLoose.begin(), realLoose.end());
        std::sort(trialLoose.begin(), trialLoose.end());
        EXPECT_EQ(trialLoose, realLoose) << "deal " << deal;
    }
}

}  // namespace
