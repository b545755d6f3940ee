#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "rules/Position.h"

namespace {

// Any cards anywhere, gaps between: every neighbour a rule can meet, off the grid and column 0
// included. Kept cards stand at random places, a few cards are left off the board.
Position RandomPosition(std::mt19937& random) {
    std::array<int, Position::Places> places{};
    std::iota(places.begin(), places.end(), 0);
    std::shuffle(places.begin(), places.end(), random);
    Position position;
    std::size_t next = 0;
    const int leftOff = static_cast<int>(random() % 20);
    for (int suit = 0; suit < Position::Rows; ++suit) {
        for (int rank = 1; rank <= 13; ++rank) {
            if (static_cast<int>(random() % 52) < leftOff) continue;
            position.cells[static_cast<std::size_t>(places[next++])] = Position::Code(suit, rank);
        }
    }
    return position;
}

// Where each card code stands; Nowhere for codes not on the board, 0 among them.
std::array<std::uint8_t, 64> Locations(const Position& position) {
    std::array<std::uint8_t, 64> where{};
    where.fill(Position::Nowhere);
    for (int place = 0; place < Position::Places; ++place) {
        const std::uint8_t card = position.cells[static_cast<std::size_t>(place)];
        if (card != 0) where[card] = static_cast<std::uint8_t>(place);
    }
    return where;
}

TEST(GapRule, SeenFromTheCardItTakesTheCardsTheGapTakes) {
    std::mt19937 random(1729);
    for (int round = 0; round < 1500; ++round) {
        const Position position = RandomPosition(random);
        const std::array<std::uint8_t, 64> where = Locations(position);
        for (int suit = 0; suit < Position::Rows; ++suit) {
            for (int rank = 1; rank <= 13; ++rank) {
                const std::uint8_t card = Position::Code(suit, rank);
                const std::array<std::uint8_t, 2> neighbours = Position::Neighbours(card);
                const std::array<int, 2> ways =
                    Position::Destinations(where[neighbours[0]], where[neighbours[1]]);
                for (int place = 0; place < Position::Places; ++place) {
                    const int column = place % Position::Columns;
                    const int row = place / Position::Columns;
                    const bool fromCard =
                        position.At(column, row) == 0 && (place == ways[0] || place == ways[1]);
                    ASSERT_EQ(position.MayPlace(card, column, row), fromCard)
                        << "round " << round << " card " << suit << "/" << rank << " place " << column << ","
                        << row;
                }
            }
        }
    }
    // A king goes left of nothing and an ace right of nothing, whatever the codes next to theirs.
    EXPECT_EQ(Position::Neighbours(Position::Code(2, 13)),
              (std::array<std::uint8_t, 2>{Position::Code(2, 12), 0}));
    EXPECT_EQ(Position::Neighbours(Position::Code(1, 1)),
              (std::array<std::uint8_t, 2>{0, Position::Code(1, 2)}));
}

TEST(PositionMove, ApplyMovesWithoutAskingAndUndoRestoresExactly) {
    std::mt19937 random(42);
    for (int round = 0; round < 200; ++round) {
        Position position = RandomPosition(random);
        const Position before = position;
        std::vector<Move> made;
        for (int step = 0; step < 20; ++step) {
            const int from = static_cast<int>(random() % Position::Places);
            const int to = static_cast<int>(random() % Position::Places);
            const std::uint8_t card = position.cells[static_cast<std::size_t>(from)];
            if (from == to || card == 0 || position.cells[static_cast<std::size_t>(to)] != 0) continue;
            const Move move{static_cast<std::uint8_t>(from % Position::Columns),
                            static_cast<std::uint8_t>(from / Position::Columns),
                            static_cast<std::uint8_t>(to % Position::Columns),
                            static_cast<std::uint8_t>(to / Position::Columns)};
            position.Apply(move);
            ASSERT_EQ(position.At(move.toColumn, move.toRow), card);
            ASSERT_EQ(position.At(move.fromColumn, move.fromRow), 0);
            made.push_back(move);
        }
        for (auto move = made.rbegin(); move != made.rend(); ++move) position.Undo(*move);
        ASSERT_EQ(position, before) << "round " << round;
    }
}

TEST(PositionRuns, RunEndFromAnyColumnStopsAtColumnThirteen) {
    Position position;
    for (int row = 0; row < Position::Rows; ++row) position.Set(0, row, Position::Code(row, 1));
    // Row 0: two to four in order, then the six where the five belongs, the seven and eight after.
    for (int rank = 2; rank <= 4; ++rank) position.Set(rank - 1, 0, Position::Code(0, rank));
    position.Set(4, 0, Position::Code(0, 6));
    position.Set(6, 0, Position::Code(0, 7));
    position.Set(7, 0, Position::Code(0, 8));
    EXPECT_EQ(position.RunEnd(0), 4);
    EXPECT_EQ(position.RunEnd(0, 2), 4) << "from inside the run";
    EXPECT_EQ(position.RunEnd(0, 4), 4) << "from the run's next place";
    EXPECT_EQ(position.RunEnd(0, 6), 8) << "a stretch in order further right";
    // Row 1 in order to the king: the run ends at column 13, which no card continues.
    for (int rank = 2; rank <= 13; ++rank) position.Set(rank - 1, 1, Position::Code(1, rank));
    EXPECT_EQ(position.RunEnd(1), 13);
    EXPECT_EQ(position.RunEnd(1, 13), 13);
    // Row 2 holds another suit's two: no run beyond the ace.
    position.Set(1, 2, Position::Code(3, 2));
    EXPECT_EQ(position.RunEnd(2), 1);
    EXPECT_EQ(position.RunCards(), 3 + 12 + 0 + 0);
    EXPECT_FALSE(position.IsWon());
}

}  // namespace
