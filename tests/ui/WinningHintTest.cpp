#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QWidget>
#include <set>

#include "Waits.h"
#include "game/BoardTestUtil.h"
#include "game/MoveHistory.h"
#include "game/RecordingHost.h"
#include "ui/WinningHint.h"

namespace {

// The search runs on a thread of its own; its answer comes back through the event loop.
bool AwaitAnswer(const WinningHint& hint) {
    return QTest::qWaitFor([&] { return !hint.Waiting(); }, WaitLimitMs);
}

// Asks H once the searches behind the board have settled, so that the answer is the one a player
// who takes time to think would see.
void AskSettled(WinningHint& hint) {
    ASSERT_TRUE(QTest::qWaitFor([&] { return !hint.Searching(); }, WaitLimitMs));
    hint.Request();
    ASSERT_TRUE(AwaitAnswer(hint));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !hint.Searching(); }, WaitLimitMs));
    hint.Request();
    ASSERT_TRUE(AwaitAnswer(hint));
}

// A card carried from one place into a gap, as a drop does it.
void Play(Board& board, const Move& move) {
    const CardPile& from = board.Place(move.fromColumn, move.fromRow);
    Put(board, move.toColumn, move.toRow, from.TopSuit(), from.TopRank());
    Empty(board, move.fromColumn, move.fromRow);
    board.Changed();
}

// Whether the frame's left edge around place (column, row) is drawn, taken half-way down.
bool Framed(const RecordingHost& host, const Board& board, int column, int row) {
    const QImage& image = host.surface.Image();
    return image.pixel(board.PlaceX(column) - 2, board.PlaceY(row) + 30) != image.pixel(4, 4);
}

class WinningHintTest : public ::testing::Test {
protected:
    WinningHintTest() { window.resize(ClientWidth, ClientHeight); }

    RecordingHost host;
    HostedBoard board{host};
    QWidget window;
    Language language = Language::German;
    WinningHint hint{&window, board, host, language};
};

TEST_F(WinningHintTest, FramesTheNextMoveOfTheLineAtOnceOnceKnownUntilTheNextInput) {
    // Two moves from won, one way only: the queen of hearts from (13, 0) right of its jack, then
    // the king from (13, 1) right of her.
    LayWonBoard(board);
    Empty(board, 11, 3);
    Empty(board, 12, 3);
    Put(board, 13, 0, 3, 12);
    Put(board, 13, 1, 3, 13);
    board.SetState(GameState::Started);
    board.Changed();
    hint.Request();
    ASSERT_TRUE(AwaitAnswer(hint));
    ASSERT_TRUE(hint.ShownMove().has_value());
    EXPECT_EQ(*hint.ShownMove(), (Move{13, 0, 11, 3}));
    EXPECT_TRUE(Framed(host, board, 13, 0));
    EXPECT_TRUE(Framed(host, board, 11, 3));
    EXPECT_FALSE(Framed(host, board, 10, 3));
    EXPECT_FALSE(hint.Message()->isVisible()) << "a sure line needs no words";

    QTest::mouseClick(&window, Qt::LeftButton);
    EXPECT_FALSE(hint.ShownMove().has_value());
    EXPECT_FALSE(Framed(host, board, 13, 0));
    EXPECT_FALSE(Framed(host, board, 11, 3));

    // The player follows the line: the rest of it is known, no search is needed.
    Put(board, 11, 3, 3, 12);
    Empty(board, 13, 0);
    board.Changed();
    EXPECT_FALSE(hint.Searching());
    hint.Request();
    EXPECT_FALSE(hint.Waiting());
    EXPECT_EQ(hint.ShownMove().value_or(Move{}), (Move{13, 1, 12, 3}));
    QTest::mouseClick(&window, Qt::LeftButton);

    // Undo and redo come back to positions the round has seen: what was found there still holds,
    // no search is needed, and H answers at once.
    MoveHistory history(board, host, host);
    history.Record({13, 0, 11, 3});
    ASSERT_TRUE(history.Undo());
    EXPECT_FALSE(hint.Searching());
    hint.Request();
    EXPECT_FALSE(hint.Waiting());
    EXPECT_EQ(hint.ShownMove().value_or(Move{}), (Move{13, 0, 11, 3}));
    QTest::mouseClick(&window, Qt::LeftButton);
    ASSERT_TRUE(history.Redo());
    EXPECT_FALSE(hint.Searching());
    hint.Request();
    EXPECT_FALSE(hint.Waiting());
    EXPECT_EQ(hint.ShownMove().value_or(Move{}), (Move{13, 1, 12, 3}));
}

// Two kings swapped: every gap lies right of a king, nothing can move.
void LayLostBoard(Board& board) {
    LayWonBoard(board);
    Put(board, 12, 0, 1, 13);
    Put(board, 12, 1, 0, 13);
    board.SetState(GameState::Started);
    board.Changed();
}

TEST_F(WinningHintTest, SaysWhenTheRoundIsLostAndWhenTheBestMoveIsNotProven) {
    // A board never dealt has no reshuffle left: the deal itself is lost.
    LayLostBoard(board);
    window.show();
    hint.Request();
    ASSERT_TRUE(AwaitAnswer(hint));
    EXPECT_FALSE(hint.ShownMove().has_value());
    EXPECT_TRUE(hint.Message()->isVisible());
    EXPECT_EQ(hint.Message()->text(), QStringLiteral("Dieses Spiel ist nicht mehr zu gewinnen."));
    QTest::keyClick(&window, Qt::Key_Space);
    EXPECT_FALSE(hint.Message()->isVisible());

    // A fresh deal with a budget far too small for it: H waits with a busy pointer, then frames
    // the move that got furthest and says it is not proven.
    hint.SetPositions(200'000, 200'000);
    host.generator.GeneratorSeed = 3;
    board.Deal();
    hint.Request();
    // The answer only ever arrives through the event loop, which has not run since the deal.
    ASSERT_TRUE(hint.Waiting());
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::BusyCursor);
    ASSERT_TRUE(AwaitAnswer(hint));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    ASSERT_TRUE(hint.ShownMove().has_value());
    EXPECT_TRUE(
        board.Layout().MayPlace(board.Layout().At(hint.ShownMove()->fromColumn, hint.ShownMove()->fromRow),
                                hint.ShownMove()->toColumn, hint.ShownMove()->toRow));
    EXPECT_EQ(hint.Message()->text(), QStringLiteral("Nicht sicher: Dieser Zug kam bisher am weitesten."));
    QTest::keyClick(&window, Qt::Key_Space);

    // With the deal's reshuffles left, only this round is lost.
    LayLostBoard(board);
    hint.Request();
    ASSERT_TRUE(AwaitAnswer(hint));
    EXPECT_EQ(hint.Message()->text(), QStringLiteral("Diese Runde ist ohne Neumischen nicht zu gewinnen."));
}

TEST_F(WinningHintTest, APlayerWhoAlwaysFollowsTheHintNeverComesBackToAPosition) {
    // Small searches keep the test short; they went in circles on this deal just as the game's did.
    hint.SetPositions(5'000, 20'000);
    host.generator.GeneratorSeed = 2053309054;
    board.Deal();
    board.SetState(GameState::Started);
    std::set<Position> seen{board.Layout()};
    int step = 0;
    for (; step < 200 && !board.IsWon(); ++step) {
        AskSettled(hint);
        if (!hint.ShownMove()) {
            const bool reshuffle = hint.Message()->text() ==
                                   QStringLiteral("Diese Runde ist ohne Neumischen nicht zu gewinnen.");
            if (!reshuffle || board.ReshufflesLeft() == 0) break;
            hint.Dismiss();
            board.Reshuffle();
            seen.insert(board.Layout());
            continue;
        }
        const Move move = *hint.ShownMove();
        hint.Dismiss();
        Play(board, move);
        ASSERT_TRUE(seen.insert(board.Layout()).second)
            << "back at a position after " << step + 1 << " moves";
    }
    RecordProperty("steps", step);
}

}  // namespace
