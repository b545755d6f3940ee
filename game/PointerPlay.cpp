#include "game/PointerPlay.h"

#include <cstdlib>

#include "base/MoveSwitches.h"
#include "cards/CardSheets.h"
#include "cards/TableGeometry.h"
#include "game/Board.h"
#include "game/CuePlayer.h"
#include "game/GameFlow.h"
#include "game/TableDrawing.h"
#include "platform/Surface.h"

PointerPlay::PointerPlay(Board& boardRef, TableDrawing& tableDrawing, CuePlayer& cuePlayer,
                         const MoveSwitches& moveSwitches, GameFlow& flowRef)
    : board(boardRef),
      drawing(tableDrawing),
      cues(cuePlayer),
      switches(moveSwitches),
      flow(flowRef),
      history(boardRef, tableDrawing, cuePlayer) {}

void PointerPlay::MouseDown(Button button, int x, int y) {
    if (board.State() == GameState::Over) return;
    if (button == Button::Secondary) {
        if (switches.showMoves) ShowHints(x, y);
    } else if (board.Hand() != nullptr) {
        pressing = false;
        Drop(x, y);
    } else {
        PickUp(x, y);
        pressing = board.Hand() != nullptr;
        dragged = false;
        pressX = pointerX = x;
        pressY = pointerY = y;
    }
}

void PointerPlay::MouseMove(int x, int y) {
    pointerX = x;
    pointerY = y;
    if (pressing && std::abs(x - pressX) + std::abs(y - pressY) >= DragDistance) dragged = true;
    if (board.Hand() == nullptr) return;
    board.Hand()->Relocate(drawing.DrawingSurface(), x - grabX, y - grabY, false);
}

void PointerPlay::MouseUp(Button button) {
    if (button == Button::Secondary) {
        EndHints();
        return;
    }
    // A click leaves the card in the hand; a drag puts it down where it was let go.
    const bool drop = pressing && dragged && board.Hand() != nullptr;
    pressing = false;
    if (drop) Drop(pointerX, pointerY);
}

void PointerPlay::PickUp(int x, int y) {
    for (int column = 1; column < Board::Columns; ++column) {
        for (int row = 0; row < Board::Rows; ++row) {
            const CardPile& place = board.Place(column, row);
            if (place.Count() == 0 || place.HitTest(x, y) < 0) continue;
            board.Lift(column, row);
            board.originColumn = column;
            board.originRow = row;
            grabX = x - place.CardX(0);
            grabY = y - place.CardY(0);
            cues.PlayCue(SoundCue::Pick);
            return;
        }
    }
}

void PointerPlay::Drop(int x, int y) {
    const int dropX = x - grabX + CardWidth / 2;
    const int dropY = y - grabY + CardHeight / 2;
    std::unique_ptr<CardPile>& hand = board.Hand();
    const int suit = hand->TopSuit();
    const int rank = hand->TopRank();
    for (int column = 1; column < Board::Columns && hand; ++column) {
        for (int row = 0; row < Board::Rows && hand; ++row) {
            const CardPile& place = board.Place(column, row);
            if (place.Count() != 0 || place.HitTest(dropX, dropY) < 0) continue;
            if (!board.MayPlace(suit, rank, column, row)) continue;
            cues.PlayCue(SoundCue::Drop);
            board.Lay(column, row, switches.slide);
            // A card put back where it came from moved nowhere: there is nothing to undo.
            if (column != board.originColumn || row != board.originRow) {
                history.Record({board.originColumn, board.originRow, column, row});
            }
            if (board.State() == GameState::Dealt) board.SetState(GameState::Started);
            board.Changed();
            if (board.IsWon()) flow.DealWon();
        }
    }
    if (hand) ReturnCard();
}

void PointerPlay::ReturnCard() {
    if (!board.Hand()) return;
    cues.PlayCue(SoundCue::Return);
    board.Lay(board.originColumn, board.originRow, switches.slide);
}

void PointerPlay::MarkGapsFor(int suit, int rank) {
    Surface* surface = drawing.DrawingSurface();
    for (int column = 1; column < Board::Columns; ++column) {
        for (int row = 0; row < Board::Rows; ++row) {
            if (board.MayPlace(suit, rank, column, row)) {
                DrawPlaceMarker(surface, board.PlaceX(column), board.PlaceY(row), 0);
            }
        }
    }
}

PointerPlay::Hint PointerPlay::FindCard(int suit, int rank) const {
    for (int column = 1; column < Board::Columns; ++column) {
        for (int row = 0; row < Board::Rows; ++row) {
            const CardPile& place = board.Place(column, row);
            if (place.TopSuit() == suit && place.TopRank() == rank) return {column, row};
        }
    }
    return {};
}

void PointerPlay::FramePlace(Surface* surface, int column, int row, std::uint32_t colorRef) {
    if (column <= 0 || surface == nullptr) return;
    surface->RoundRectOutline(PlaceLeft(column) - FrameOffset, PlaceTop(row) - FrameOffset,
                              PlaceLeft(column) + CardWidth + FrameOffset,
                              PlaceTop(row) + CardHeight + FrameOffset, 6, 6, 3, colorRef);
}

void PointerPlay::DrawHintFrame(const Hint& hint, unsigned colorRef) {
    FramePlace(drawing.DrawingSurface(), hint.column, hint.row, colorRef);
}

void PointerPlay::ShowHints(int x, int y) {
    Surface* surface = drawing.DrawingSurface();
    if (CardPile* held = board.Hand().get()) {
        held->Hide(surface);
        MarkGapsFor(held->TopSuit(), held->TopRank());
        held->Show(surface);
        return;
    }
    for (int column = 1; column < Board::Columns; ++column) {
        for (int row = 0; row < Board::Rows; ++row) {
            const CardPile& place = board.Place(column, row);
            if (place.HitTest(x, y) < 0) continue;
            if (place.Count() != 0) {
                MarkGapsFor(place.TopSuit(), place.TopRank());
                return;
            }
            // The card its left neighbour takes after, and the one its right neighbour follows.
            const std::array<std::uint8_t, 2> fillers = board.Layout().FillersOf(column, row);
            if (fillers[0] != 0) hintA = FindCard(Position::Suit(fillers[0]), Position::Rank(fillers[0]));
            if (fillers[1] != 0) hintB = FindCard(Position::Suit(fillers[1]), Position::Rank(fillers[1]));
            DrawHintFrame(hintA, drawing.FrameColor());
            DrawHintFrame(hintB, drawing.FrameColor());
            return;
        }
    }
}

void PointerPlay::EndHints() {
    Surface* surface = drawing.DrawingSurface();
    CardPile* held = board.Hand().get();
    if (held != nullptr) held->Hide(surface);
    if (surface != nullptr) {
        Surface::Batch batch(*surface);
        for (int column = 1; column < Board::Columns; ++column) {
            for (int row = 0; row < Board::Rows; ++row) {
                if (board.Place(column, row).Count() != 0) continue;
                surface->FillRect({board.PlaceX(column), board.PlaceY(row), CardWidth, CardHeight},
                                  drawing.BackgroundColor());
            }
        }
    }
    if (held != nullptr) held->Show(surface);
    if (switches.showMoves) {
        DrawHintFrame(hintA, drawing.BackgroundColor());
        DrawHintFrame(hintB, drawing.BackgroundColor());
    }
    hintA = {};
    hintB = {};
}
