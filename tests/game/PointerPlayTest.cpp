#include <gtest/gtest.h>

#include <utility>

#include "BoardTestUtil.h"
#include "RecordingHost.h"
#include "base/Statistics.h"
#include "cards/CardSheets.h"
#include "game/GameFlow.h"
#include "game/PointerPlay.h"

namespace {

using Button = PointerPlay::Button;

// A dealt board with a hand-made position around a few places, played through the pointer.
class PointerPlayTest : public ::testing::Test {
protected:
    PointerPlayTest()
        : board(host),
          flow(board, host, host, host, statistics),
          pointer(board, host, host, host.switches, flow) {
        host.generator.GeneratorSeed = 31;
        board.Deal();
        host.cues.clear();
    }

    int CenterX(int column) const { return board.PlaceX(column) + 21; }
    int CenterY(int row) const { return board.PlaceY(row) + 30; }
    void Click(int x, int y) { pointer.MouseDown(Button::Primary, x, y); }
    void ClickPlace(int column, int row) { Click(CenterX(column), CenterY(row)); }

    // Empties (column, row) by swapping its card with the gap at (gapColumn, gapRow).
    void MakeGap(int column, int row) {
        for (int c = 1; c < Board::Columns; ++c) {
            for (int r = 0; r < Board::Rows; ++r) {
                if (board.Place(c, r).Count() != 0) continue;
                Swap(board, column, row, c, r);
                return;
            }
        }
    }

    RecordingHost host;
    Statistics statistics;
    HostedBoard board;
    GameFlow flow;
    PointerPlay pointer;
};

TEST_F(PointerPlayTest, AcesGapsAndEmptyTablePickUpNothing) {
    ClickPlace(0, 2);
    EXPECT_EQ(board.Hand(), nullptr);
    Click(3, 3);                              // the table left of column 0
    Click(CenterX(5), board.PlaceY(1) + 65);  // between two rows
    EXPECT_EQ(board.Hand(), nullptr);
    MakeGap(4, 1);
    ClickPlace(4, 1);
    EXPECT_EQ(board.Hand(), nullptr);
    EXPECT_TRUE(host.cues.empty());
}

TEST_F(PointerPlayTest, PickedCardFollowsThePointerWithNoButtonHeld) {
    const int column = board.Place(6, 2).Count() != 0 ? 6 : 7;
    const int rank = board.Place(column, 2).TopRank();
    pointer.MouseDown(Button::Primary, board.PlaceX(column) + 10, board.PlaceY(2) + 7);
    ASSERT_NE(board.Hand(), nullptr);
    EXPECT_EQ(board.Hand()->TopRank(), rank);
    EXPECT_EQ(board.Place(column, 2).Count(), 0);
    EXPECT_EQ(host.cues.back(), SoundCue::Pick);
    EXPECT_EQ(pointer.GrabX(), 10);
    EXPECT_EQ(pointer.GrabY(), 7);
    pointer.MouseMove(300, 200);
    EXPECT_EQ(board.Hand()->X(), 290);
    EXPECT_EQ(board.Hand()->Y(), 193);
    EXPECT_FALSE(board.Hand()->Hidden());
}

TEST_F(PointerPlayTest, DropOutsideOnAFilledPlaceOrOnARefusingGapReturnsTheCard) {
    const QString before = Layout(board);
    ClickPlace(7, 3);
    Click(5, 330);  // over no place
    EXPECT_EQ(board.Hand(), nullptr);
    EXPECT_EQ(host.cues.back(), SoundCue::Return);
    EXPECT_EQ(Layout(board), before);
    ClickPlace(7, 3);
    ClickPlace(8, 3);  // a filled place
    EXPECT_EQ(host.cues.back(), SoundCue::Return);
    EXPECT_EQ(Layout(board), before);
    EXPECT_EQ(board.State(), GameState::Dealt);

    // A gap that wants another card: the five of diamonds left of it asks for the six.
    ClearBoard(board);
    for (int row = 0; row < Board::Rows; ++row) Put(board, 0, row, row, 1);
    Put(board, 3, 2, 2, 5);
    Put(board, 9, 3, 2, 7);
    const QString laid = Layout(board);
    ClickPlace(9, 3);
    ClickPlace(4, 2);
    EXPECT_EQ(board.Hand(), nullptr);
    EXPECT_EQ(host.cues.back(), SoundCue::Return);
    EXPECT_EQ(Layout(board), laid);
    EXPECT_EQ(board.State(), GameState::Dealt);
}

TEST_F(PointerPlayTest, ADropThatOnlyTheRightNeighbourAllowsIsAccepted) {
    // Row 1: gap at column 5, king of spades left of it, seven of hearts right of it.
    ClearBoard(board);
    for (int row = 0; row < Board::Rows; ++row) Put(board, 0, row, row, 1);
    Put(board, 4, 1, 1, 13);
    Put(board, 6, 1, 3, 7);
    Put(board, 9, 2, 3, 6);
    ClickPlace(9, 2);
    ClickPlace(5, 1);
    EXPECT_EQ(board.Hand(), nullptr);
    EXPECT_EQ(board.Place(5, 1).TopRank(), 6);
    EXPECT_EQ(board.Place(5, 1).TopSuit(), 3);
    EXPECT_EQ(host.cues.back(), SoundCue::Drop);
    EXPECT_EQ(board.State(), GameState::Started);
}

TEST_F(PointerPlayTest, TheDropPointIsTheMiddleOfTheHeldCard) {
    ClearBoard(board);
    for (int row = 0; row < Board::Rows; ++row) Put(board, 0, row, row, 1);
    Put(board, 1, 0, 0, 2);
    Put(board, 9, 3, 0, 3);
    // Picked up at its top-left corner, dropped with the pointer near the gap's top-left: the
    // middle of the card lies over column 2.
    pointer.MouseDown(Button::Primary, board.PlaceX(9), board.PlaceY(3));
    Click(board.PlaceX(2) - 15, board.PlaceY(0) - 20);
    EXPECT_EQ(board.Place(2, 0).TopRank(), 3);
}

TEST_F(PointerPlayTest, WinningDropShowsTheMessageCountsAndEndsPlay) {
    LayWonBoard(board);
    Swap(board, 12, 2, 13, 1);
    ClickPlace(13, 1);
    ClickPlace(12, 2);
    EXPECT_EQ(host.wonMessages, 1);
    EXPECT_EQ(statistics.sinceStartWon, 1);
    EXPECT_EQ(board.State(), GameState::Over);
    const auto won = std::find(host.cues.begin(), host.cues.end(), SoundCue::Won);
    ASSERT_NE(won, host.cues.end());
    EXPECT_EQ(*(won - 1), SoundCue::Drop);
    // After a win the board takes no clicks at all until the next deal.
    const QString after = Layout(board);
    ClickPlace(5, 1);
    pointer.MouseDown(Button::Secondary, CenterX(13), CenterY(2));
    EXPECT_EQ(board.Hand(), nullptr);
    EXPECT_EQ(Layout(board), after);
}

TEST_F(PointerPlayTest, RightButtonMarksGapsAndFramesAndReleaseClearsThem) {
    board.HideAll();
    ClearBoard(board);
    host.surface.FillRect(QRect(0, 0, ClientWidth, ClientHeight), host.BackgroundColor());
    for (int row = 0; row < Board::Rows; ++row) Put(board, 0, row, row, 1);
    Put(board, 3, 0, 0, 5);
    Put(board, 5, 0, 0, 7);
    Put(board, 8, 2, 0, 6);
    Put(board, 10, 3, 2, 9);
    board.ShowAll();
    const QImage clean = host.surface.Image().copy();

    // A pointed-at card: the marker lands on its gap.
    pointer.MouseDown(Button::Secondary, CenterX(8), CenterY(2));
    const QRgb marker = CardSheets::Cellar().pixel(21, 30);
    EXPECT_EQ(host.surface.Pixel(board.PlaceX(4) + 21, board.PlaceY(0) + 30), marker);
    pointer.MouseUp(Button::Secondary);
    EXPECT_EQ(host.surface.Image(), clean);

    // A pointed-at gap: frames around the cards that may fill it.
    pointer.MouseDown(Button::Secondary, CenterX(4), CenterY(0));
    EXPECT_EQ(host.surface.Pixel(PlaceLeft(8) - 2, board.PlaceY(2) + 20),
              PixelFromColorRef(host.FrameColor()));
    pointer.MouseUp(Button::Secondary);
    EXPECT_EQ(host.surface.Image(), clean);

    // A held card: markers for it, and the card stays on the surface.
    ClickPlace(8, 2);
    pointer.MouseDown(Button::Secondary, CenterX(8), CenterY(2));
    EXPECT_EQ(host.surface.Pixel(board.PlaceX(4) + 21, board.PlaceY(0) + 30), marker);
    pointer.MouseUp(Button::Secondary);
    ClickPlace(8, 2);
    EXPECT_EQ(host.surface.Image(), clean);
}

// Plays the first legal move it finds by two clicks; false when there is none.
bool PlayAnyMove(Board& board, PointerPlay& pointer) {
    for (int gapColumn = 1; gapColumn < Board::Columns; ++gapColumn) {
        for (int gapRow = 0; gapRow < Board::Rows; ++gapRow) {
            for (int column = 1; column < Board::Columns; ++column) {
                for (int row = 0; row < Board::Rows; ++row) {
                    const CardPile& card = board.Place(column, row);
                    if (card.Count() == 0 ||
                        !board.MayPlace(card.TopSuit(), card.TopRank(), gapColumn, gapRow))
                        continue;
                    pointer.MouseDown(Button::Primary, board.PlaceX(column) + 21, board.PlaceY(row) + 30);
                    pointer.MouseDown(Button::Primary, board.PlaceX(gapColumn) + 21,
                                      board.PlaceY(gapRow) + 30);
                    return true;
                }
            }
        }
    }
    return false;
}

TEST_F(PointerPlayTest, UndoTakesTheWholeRoundBackPixelForPixelAndRedoReplaysIt) {
    host.switches.slide = true;
    const QImage dealt = host.surface.Image().copy();
    const QString dealtLayout = Layout(board);
    MoveHistory& history = pointer.History();
    EXPECT_FALSE(history.CanUndo());

    int played = 0;
    while (played < 6 && PlayAnyMove(board, pointer)) ++played;
    ASSERT_GE(played, 3);
    const QString playedLayout = Layout(board);
    const QImage playedImage = host.surface.Image().copy();

    // A held card blocks undo until it is back home.
    ClickPlace(board.Place(7, 1).Count() != 0 ? 7 : 8, 1);
    ASSERT_NE(board.Hand(), nullptr);
    EXPECT_FALSE(history.Undo());
    pointer.ReturnCard();

    host.cues.clear();
    // Each step shows in one frame, without a slide's waits, though slides are on.
    int frames = 0;
    host.surface.SetFlushHandler([&frames](const QRect&) { ++frames; });
    const std::uint64_t reads = host.clock.reads;
    for (int i = 0; i < played; ++i) {
        ASSERT_TRUE(history.Undo()) << i;
        EXPECT_EQ(std::exchange(frames, 0), 1) << i;
    }
    EXPECT_EQ(host.clock.reads, reads);
    EXPECT_FALSE(history.Undo());
    EXPECT_EQ(Layout(board), dealtLayout);
    EXPECT_EQ(host.surface.Image(), dealt);
    EXPECT_EQ(host.cues, std::vector<SoundCue>(static_cast<std::size_t>(played), SoundCue::Drop));
    // The deal stays started and nothing is counted either way.
    EXPECT_EQ(board.State(), GameState::Started);
    EXPECT_EQ(statistics.sinceStartLost + statistics.sinceStartWon, 0);

    for (int i = 0; i < played; ++i) {
        ASSERT_TRUE(history.Redo()) << i;
        EXPECT_EQ(std::exchange(frames, 0), 1) << i;
    }
    EXPECT_EQ(host.clock.reads, reads);
    EXPECT_FALSE(history.Redo());
    EXPECT_EQ(Layout(board), playedLayout);
    EXPECT_EQ(host.surface.Image(), playedImage);

    // A new move after an undo drops what was undone; a reshuffle starts the history afresh.
    ASSERT_TRUE(history.Undo());
    ASSERT_TRUE(PlayAnyMove(board, pointer));
    EXPECT_FALSE(history.CanRedo());
    EXPECT_TRUE(history.CanUndo());
    board.Reshuffle();
    EXPECT_FALSE(history.CanUndo());
    EXPECT_EQ(statistics.sinceStartLost + statistics.sinceStartWon, 0);
}

TEST_F(PointerPlayTest, RightButtonShowsNothingWhenMovesAreNotShown) {
    host.switches.showMoves = false;
    const QImage before = host.surface.Image().copy();
    pointer.MouseDown(Button::Secondary, CenterX(8), CenterY(2));
    EXPECT_EQ(host.surface.Image(), before);
    pointer.MouseUp(Button::Secondary);
    EXPECT_EQ(host.surface.Image(), before);
}

}  // namespace
