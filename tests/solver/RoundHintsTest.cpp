#include <gtest/gtest.h>

#include <vector>

#include "solver/HeadlessGame.h"
#include "solver/RoundHints.h"
#include "solver/SearchState.h"

namespace {

std::vector<Move> MovesFrom(const Position& position) {
    const SearchState state(position);
    StepList steps{};
    const int count = state.Generate(steps, MoveRules{});
    std::vector<Move> moves;
    for (int i = 0; i < count; ++i) moves.push_back(ToMove(steps[static_cast<std::size_t>(i)]));
    return moves;
}

Position After(Position position, const Move& move) {
    position.Apply(move);
    return position;
}

TEST(RoundHints, AnUnprovenMoveNeverLeadsBackAndALostRoundStaysLost) {
    const Position start = HeadlessGame(1).Layout();
    const std::vector<Move> moves = MovesFrom(start);
    ASSERT_GE(moves.size(), 2u);
    RoundHints round;
    round.Enter(start);
    // The line that gets furthest starts with the first move, another with the second.
    HintAnswer found;
    found.searched = true;
    found.lines = {{{moves[0], moves[1]}, start.RunCards() + 3}, {{moves[1]}, start.RunCards() + 1}};
    round.Learn(start, found);
    EXPECT_EQ(round.Offer(start).kind, HintOffer::Kind::Unproven);
    EXPECT_EQ(round.Offer(start).move, moves[0]);

    // The player went there and came back: that line now only leads round in a circle.
    round.Enter(After(start, moves[0]));
    round.Enter(start);
    EXPECT_EQ(round.Offer(start).kind, HintOffer::Kind::Unproven);
    EXPECT_EQ(round.Offer(start).move, moves[1]);
    for (const Move& move : moves) {
        round.Enter(After(start, move));
        round.Enter(start);
    }
    EXPECT_EQ(round.Offer(start).kind, HintOffer::Kind::NoNewMove);

    // A proof replaces every unproven line, and what follows a lost position is lost too.
    HintAnswer lost;
    lost.status = SolveStatus::NoSolution;
    lost.searched = true;
    round.Learn(start, lost);
    round.Learn(start, found);
    EXPECT_EQ(round.Offer(start).kind, HintOffer::Kind::Lost);
    const Position next = After(start, moves[1]);
    round.Enter(next);
    ASSERT_NE(round.Known(next), nullptr);
    EXPECT_TRUE(round.Known(next)->searched);
    EXPECT_EQ(round.Offer(next).kind, HintOffer::Kind::Lost);

    round.Clear();
    EXPECT_EQ(round.Known(start), nullptr);
    EXPECT_EQ(round.Offer(start).kind, HintOffer::Kind::None);
}

}  // namespace
