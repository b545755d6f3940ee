#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QTest>
#include <QWidget>

#include "Waits.h"
#include "game/BoardTestUtil.h"
#include "game/RecordingHost.h"
#include "ui/WinningHint.h"

namespace {

// The search runs on a thread of its own; its answer comes back through the event loop.
bool Answered(const WinningHint& hint) {
    const bool done = QTest::qWaitFor([&hint] { return !hint.Searching(); }, WaitLimitMs);
    QCoreApplication::processEvents();
    return done;
}

// Whether the frame's left edge around place (column, row) is drawn, taken half-way down.
bool Framed(const RecordingHost& host, const Board& board, int column, int row) {
    const QImage& image = host.surface.Image();
    return image.pixel(board.PlaceX(column) - 2, board.PlaceY(row) + 30) != image.pixel(4, 4);
}

TEST(WinningHint, FramesTheWinningMoveOrSaysTheRoundIsLostUntilTheNextInput) {
    RecordingHost host;
    Board board(host);
    QWidget window;
    window.resize(ClientWidth, ClientHeight);
    Language language = Language::German;
    WinningHint hint(&window, board, host, language);

    // One move from won, and the only move there is: the king of hearts from (13, 0) home.
    LayWonBoard(board);
    board.Place(12, 3).Clear();
    Put(board, 13, 0, 3, 13);
    board.SetState(GameState::Started);
    hint.Request();
    ASSERT_TRUE(Answered(hint));
    ASSERT_TRUE(hint.ShownMove().has_value());
    EXPECT_EQ(*hint.ShownMove(), (Move{13, 0, 12, 3}));
    EXPECT_TRUE(Framed(host, board, 13, 0));
    EXPECT_TRUE(Framed(host, board, 12, 3));
    EXPECT_FALSE(Framed(host, board, 11, 3));
    EXPECT_FALSE(hint.Message()->isVisible());

    QTest::mouseClick(&window, Qt::LeftButton);
    EXPECT_FALSE(hint.ShownMove().has_value());
    EXPECT_FALSE(Framed(host, board, 13, 0));
    EXPECT_FALSE(Framed(host, board, 12, 3));

    // Two kings swapped: every gap lies right of a king, nothing can move.
    LayWonBoard(board);
    Put(board, 12, 0, 1, 13);
    Put(board, 12, 1, 0, 13);
    window.show();
    hint.Request();
    ASSERT_TRUE(Answered(hint));
    EXPECT_FALSE(hint.ShownMove().has_value());
    EXPECT_TRUE(hint.Message()->isVisible());
    EXPECT_EQ(hint.Message()->text(), QStringLiteral("Diese Runde ist ohne Neumischen nicht zu gewinnen."));
    QTest::keyClick(&window, Qt::Key_Space);
    EXPECT_FALSE(hint.Message()->isVisible());
}

}  // namespace
