#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QWidget>

#include "ScopedSeed.h"
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

// Whether the frame's left edge around place (column, row) is drawn, taken half-way down.
bool Framed(const RecordingHost& host, const Board& board, int column, int row) {
    const QImage& image = host.surface.Image();
    return image.pixel(board.PlaceX(column) - 2, board.PlaceY(row) + 30) != image.pixel(4, 4);
}

class WinningHintTest : public ::testing::Test {
protected:
    WinningHintTest() { window.resize(ClientWidth, ClientHeight); }

    RecordingHost host;
    Board board{host};
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

    // Undo and redo are moves too. After an undo the search starts again from where it leads;
    // a redo follows the line found there. Either way H answers at once.
    MoveHistory history(board, host);
    history.Record({13, 0, 11, 3});
    ASSERT_TRUE(history.Undo());
    EXPECT_TRUE(hint.Searching());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !hint.Searching(); }, WaitLimitMs));
    hint.Request();
    EXPECT_FALSE(hint.Waiting());
    EXPECT_EQ(hint.ShownMove().value_or(Move{}), (Move{13, 0, 11, 3}));
    QTest::mouseClick(&window, Qt::LeftButton);
    ASSERT_TRUE(history.Redo());
    hint.Request();
    EXPECT_FALSE(hint.Waiting());
    EXPECT_EQ(hint.ShownMove().value_or(Move{}), (Move{13, 1, 12, 3}));
}

TEST_F(WinningHintTest, SaysWhenTheRoundIsLostAndWhenTheBestMoveIsNotProven) {
    // Two kings swapped: every gap lies right of a king, nothing can move.
    LayWonBoard(board);
    Put(board, 12, 0, 1, 13);
    Put(board, 12, 1, 0, 13);
    board.SetState(GameState::Started);
    board.Changed();
    window.show();
    hint.Request();
    ASSERT_TRUE(AwaitAnswer(hint));
    EXPECT_FALSE(hint.ShownMove().has_value());
    EXPECT_TRUE(hint.Message()->isVisible());
    EXPECT_EQ(hint.Message()->text(), QStringLiteral("Diese Runde ist ohne Neumischen nicht zu gewinnen."));
    QTest::keyClick(&window, Qt::Key_Space);
    EXPECT_FALSE(hint.Message()->isVisible());

    // A fresh deal with a budget far too small for it: H waits with a busy pointer, then frames
    // the move that got furthest and says it is not proven.
    hint.SetPositions(200'000, 200'000);
    const ScopedSeed seed(3);
    board.Deal();
    hint.Request();
    // The answer only ever arrives through the event loop, which has not run since the deal.
    ASSERT_TRUE(hint.Waiting());
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::BusyCursor);
    ASSERT_TRUE(AwaitAnswer(hint));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    ASSERT_TRUE(hint.ShownMove().has_value());
    EXPECT_TRUE(board.Layout().MayPlace(board.Layout().At(hint.ShownMove()->fromColumn, hint.ShownMove()->fromRow),
                                        hint.ShownMove()->toColumn, hint.ShownMove()->toRow));
    EXPECT_EQ(hint.Message()->text(), QStringLiteral("Nicht sicher: Dieser Zug kam bisher am weitesten."));
}

}  // namespace
