#include <gtest/gtest.h>

#include <algorithm>

#include "BoardTestUtil.h"
#include "RecordingHost.h"
#include "game/DealPrinter.h"

namespace {

int Gaps(const Board& board) {
    int gaps = 0;
    for (int column = 0; column < Board::Columns; ++column) {
        for (int row = 0; row < Board::Rows; ++row) gaps += board.Place(column, row).Count() == 0 ? 1 : 0;
    }
    return gaps;
}

TEST(BoardGeometry, PlacesStandOnTheGridFromTheirCreation) {
    RecordingHost host;
    HostedBoard board(host);
    EXPECT_EQ(board.Place(0, 0).X(), 8);
    EXPECT_EQ(board.Place(0, 0).Y(), 47);
    EXPECT_EQ(board.Place(13, 3).X(), 13 * 48 + 8);
    EXPECT_EQ(board.Place(13, 3).Y(), 3 * 70 + 47);
    EXPECT_TRUE(board.Place(5, 2).Hidden());
    EXPECT_EQ(board.Place(5, 2).Capacity(), 1);
    EXPECT_EQ(board.ReshufflesLeft(), 0);
    EXPECT_EQ(board.State(), GameState::Over);
}

TEST(BoardDeal, AcesEndInColumnZeroInSuitOrderLeavingFourGaps) {
    for (std::uint32_t seed : {0u, 1u, 77u, 4294967295u}) {
        RecordingHost host;
        HostedBoard board(host);
        host.generator.GeneratorSeed = seed;
        board.Deal();
        for (int row = 0; row < Board::Rows; ++row) {
            EXPECT_EQ(board.Place(0, row).TopRank(), 1) << seed;
            EXPECT_EQ(board.Place(0, row).TopSuit(), row) << seed;
        }
        EXPECT_EQ(Gaps(board), 4) << seed;
        EXPECT_EQ(Layout(board), Layout(board.Layout())) << "the piles show the position the rules read";
        bool duplicate = true;
        EXPECT_EQ(DistinctCards(board, &duplicate), 52) << seed;
        EXPECT_FALSE(duplicate);
        EXPECT_EQ(board.ReshufflesLeft(), 2);
        EXPECT_EQ(board.State(), GameState::Dealt);
        EXPECT_EQ(board.Hand(), nullptr);
        // Every place is on the surface after a deal, gaps included.
        EXPECT_FALSE(board.Place(13, 3).Hidden());
        // The deal cue, then two pick cues for each ace.
        ASSERT_EQ(host.cues.size(), 9u);
        EXPECT_EQ(host.cues.front(), SoundCue::Deal);
        EXPECT_TRUE(std::all_of(host.cues.begin() + 1, host.cues.end(),
                                [](SoundCue cue) { return cue == SoundCue::Pick; }));
    }
}

TEST(BoardDeal, DestroysACardStillHeld) {
    RecordingHost host;
    HostedBoard board(host);
    host.generator.GeneratorSeed = 3;
    board.Deal();
    board.Lift(1, 0);
    board.Deal();
    EXPECT_EQ(board.Hand(), nullptr);
    EXPECT_EQ(DistinctCards(board), 52);
}

TEST(BoardDeal, SlidingAcesWaitAndEndInTheSamePlaces) {
    RecordingHost host;
    HostedBoard board(host);
    host.generator.GeneratorSeed = 9;
    board.Deal();
    const QString jumped = Layout(board);
    const auto readsWithoutSlide = host.clock.reads;
    host.switches.slide = true;
    host.generator.GeneratorSeed = 9;
    board.Deal();
    EXPECT_EQ(Layout(board), jumped);
    EXPECT_GT(host.clock.reads - readsWithoutSlide, readsWithoutSlide);
}

TEST(GapRule, LeftNeighbourOneBelowOrRightNeighbourOneAbove) {
    RecordingHost host;
    HostedBoard board(host);
    ClearBoard(board);
    Put(board, 4, 1, 1, 6);  // six of spades, gap at 5 right of it
    EXPECT_TRUE(board.MayPlace(1, 7, 5, 1));
    EXPECT_FALSE(board.MayPlace(2, 7, 5, 1)) << "other suit";
    EXPECT_FALSE(board.MayPlace(1, 8, 5, 1));
    Put(board, 6, 1, 3, 10);  // ten of hearts right of the gap
    EXPECT_TRUE(board.MayPlace(3, 9, 5, 1)) << "allowed by the right neighbour alone";
    EXPECT_TRUE(board.MayPlace(1, 7, 5, 1));
    EXPECT_FALSE(board.MayPlace(3, 11, 5, 1));
    // A filled place never takes a card, even one its neighbours would allow; nor do column 0
    // and places off the board.
    Put(board, 5, 1, 0, 2);
    EXPECT_FALSE(board.MayPlace(1, 7, 5, 1));
    EXPECT_FALSE(board.MayPlace(3, 9, 5, 1));
    EXPECT_FALSE(board.MayPlace(0, 1, 0, 0));
    EXPECT_FALSE(board.MayPlace(1, 7, 14, 1));
    EXPECT_FALSE(board.MayPlace(1, 7, 5, 4));
}

TEST(GapRule, KingsColumnThirteenAndGapsBetweenGaps) {
    RecordingHost host;
    HostedBoard board(host);
    ClearBoard(board);
    Put(board, 12, 0, 0, 13);  // king of clubs, gap in column 13
    for (int rank = 1; rank <= 13; ++rank) EXPECT_FALSE(board.MayPlace(0, rank, 13, 0));
    Put(board, 12, 1, 1, 5);
    EXPECT_TRUE(board.MayPlace(1, 6, 13, 1)) << "column 13 fills from the left";
    // Right of a king with an empty right neighbour: nothing fits.
    Put(board, 3, 2, 2, 13);
    for (int rank = 1; rank <= 13; ++rank) EXPECT_FALSE(board.MayPlace(2, rank, 4, 2));
    // Right of a king, the right neighbour decides.
    Put(board, 5, 2, 2, 8);
    EXPECT_TRUE(board.MayPlace(2, 7, 4, 2));
    // A gap between two gaps cannot be filled at all.
    for (int suit = 0; suit < 4; ++suit) {
        for (int rank = 1; rank <= 13; ++rank) EXPECT_FALSE(board.MayPlace(suit, rank, 8, 3));
    }
}

TEST(WinTest, EveryRowAceToKingOfItsSuit) {
    RecordingHost host;
    HostedBoard board(host);
    LayWonBoard(board);
    EXPECT_TRUE(board.IsWon());
    Put(board, 12, 3, 3, 12);  // queen where the king of hearts belongs
    EXPECT_FALSE(board.IsWon());
    LayWonBoard(board);
    Put(board, 5, 1, 0, 6);  // right rank, wrong suit
    EXPECT_FALSE(board.IsWon());
    LayWonBoard(board);
    Empty(board, 7, 2);
    EXPECT_FALSE(board.IsWon());
}

TEST(Reshuffle, RefusedWithACardHeldOrNoneLeft) {
    RecordingHost host;
    HostedBoard board(host);
    board.Reshuffle();  // nothing dealt, none left
    EXPECT_EQ(DistinctCards(board), 0);

    host.generator.GeneratorSeed = 42;
    board.Deal();
    const QString dealt = Layout(board);
    board.Lift(3, 1);
    const std::uint32_t seed = host.generator.GeneratorSeed;
    board.Reshuffle();
    EXPECT_EQ(host.generator.GeneratorSeed, seed);
    EXPECT_EQ(board.ReshufflesLeft(), 2);
    board.Lay(3, 1, false);
    EXPECT_EQ(Layout(board), dealt);

    board.Reshuffle();
    board.Reshuffle();
    EXPECT_EQ(board.ReshufflesLeft(), 0);
    EXPECT_FALSE(host.reshuffleEnabled);
    const QString twice = Layout(board);
    const std::uint32_t seedAfter = host.generator.GeneratorSeed;
    board.Reshuffle();
    EXPECT_EQ(Layout(board), twice);
    EXPECT_EQ(host.generator.GeneratorSeed, seedAfter);
}

TEST(Reshuffle, KeepsOrderedRunsAndPutsEachRowsGapRightOfIt) {
    RecordingHost host;
    HostedBoard board(host);
    host.generator.GeneratorSeed = 2024;
    board.Deal();
    // Make row 2 ordered up to column 3 by hand: 2, 3, 4 of diamonds.
    auto find = [&](int suit, int rank, int& column, int& row) {
        for (column = 1; column < Board::Columns; ++column) {
            for (row = 0; row < Board::Rows; ++row) {
                if (board.Place(column, row).TopSuit() == suit && board.Place(column, row).TopRank() == rank)
                    return;
            }
        }
    };
    for (int column = 1; column <= 3; ++column) {
        int c = 0;
        int r = 0;
        find(2, column + 1, c, r);
        if (c == column && r == 2) continue;
        Swap(board, c, r, column, 2);
    }
    const std::uint32_t dealSeed = board.DealSeed();
    board.Reshuffle();
    EXPECT_EQ(Token(board, 1, 2), QStringLiteral("2d"));
    EXPECT_EQ(Token(board, 3, 2), QStringLiteral("4d"));
    EXPECT_EQ(board.Place(4, 2).Count(), 0) << "the gap lies right of the ordered run";
    EXPECT_EQ(Layout(board), Layout(board.Layout())) << "the piles show the position the rules read";
    for (int row = 0; row < Board::Rows; ++row) {
        int gapsInRow = 0;
        for (int column = 1; column < Board::Columns; ++column)
            gapsInRow += board.Place(column, row).Count() == 0;
        EXPECT_EQ(gapsInRow, 1) << row;
    }
    EXPECT_EQ(DistinctCards(board), 52);
    EXPECT_EQ(board.DealSeed(), dealSeed);
    EXPECT_EQ(board.State(), GameState::Dealt);
    EXPECT_EQ(board.ReshufflesLeft(), 1);
    EXPECT_TRUE(host.reshuffleEnabled);
}

TEST(Reshuffle, AfterAWonDealMovesNothingButUsesOneUp) {
    RecordingHost host;
    HostedBoard board(host);
    host.generator.GeneratorSeed = 5;
    board.Deal();
    LayWonBoard(board);
    const QString won = Layout(board);
    const std::uint32_t seed = host.generator.GeneratorSeed;
    board.Reshuffle();
    EXPECT_EQ(Layout(board), won);
    EXPECT_EQ(board.ReshufflesLeft(), 1);
    EXPECT_EQ(host.generator.GeneratorSeed, seed) << "an empty deck is not shuffled";
}

TEST(Reshuffle, ARowOrderedUpToTwelveGathersNothing) {
    RecordingHost host;
    HostedBoard board(host);
    host.generator.GeneratorSeed = 77;
    board.Deal();
    // Swap the whole clubs row into order: collect every club into row 0.
    std::vector<std::unique_ptr<CardPile>> held;
    LayWonBoard(board);
    // Rows 1..3 get scrambled within themselves: swap two cards in each.
    for (int row = 1; row < Board::Rows; ++row) {
        Put(board, 2, row, row, 9);
        Put(board, 8, row, row, 3);
    }
    board.Reshuffle();
    for (int column = 0; column < 13; ++column) EXPECT_EQ(board.Place(column, 0).TopRank(), column + 1);
    EXPECT_EQ(board.Place(13, 0).Count(), 0);
    for (int row = 1; row < Board::Rows; ++row) {
        EXPECT_EQ(board.Place(1, row).TopRank(), 2) << "ordered cards stay";
        EXPECT_EQ(board.Place(2, row).Count(), 0) << "gap right of the run";
    }
}

TEST(DealText, FourLinesOfFourteenTokens) {
    const QString text = DealText(0);
    const QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);
    for (const QString& line : lines) EXPECT_EQ(line.split(QLatin1Char(' ')).size(), 14);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Ac 6d ")));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("As ")));
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("Ad ")));
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("Ah ")));
    EXPECT_TRUE(lines[3].endsWith(QStringLiteral(" 9h")));
    EXPECT_EQ(text.count(QStringLiteral("--")), 4);
    EXPECT_EQ(DealText(0), text) << "the same number is the same deal";
    EXPECT_NE(DealText(1), text);
}

}  // namespace
