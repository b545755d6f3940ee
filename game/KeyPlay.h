#pragma once

#include <QImage>
#include <QPoint>
#include <functional>
#include <vector>

class Board;
class TableDrawing;
class PointerPlay;

// Play from the keyboard. A cursor stands on one of the 56 places; the arrow keys move it, the
// action key picks up the card under it or drops the held card into the gap under it, and the
// back key sends a held card home. Picking up and dropping are clicks of the pointer play on
// the cursor's place, so rules, sounds and slides are those of the mouse.
//
// The cursor is a frame around its place, drawn in the spaces between the cards like the hint
// frames. It saves the pixels it covers and puts them back when it goes, so it never changes
// the board; whatever draws over it (the held card, a slide) restores it in turn.
class KeyPlay {
public:
    enum class Key { Left, Right, Up, Down, Act, Back, Undo, Redo };

    // Where a card picked up from the keyboard floats, relative to the cursor's place: low and
    // to the right, so the corner of the card it covers can still be read.
    static constexpr int LiftX = 12;
    static constexpr int LiftY = 20;

    KeyPlay(Board& board, TableDrawing& drawing, PointerPlay& pointer);

    // The first key after the cursor was hidden only shows it again, so nothing happens at a
    // place the player cannot see.
    void Press(Key key);
    void ShowCursor();
    // Takes the cursor off the surface, which is then exactly as it would be without it.
    void HideCursor();

    // Told where the cursor stands whenever it is shown or moves, so it can be read out.
    void SetCursorListener(std::function<void(int column, int row)> listener);

    bool CursorShown() const { return shown; }
    int Column() const { return column; }
    int Row() const { return row; }

private:
    void MoveCursor(int columnStep, int rowStep);
    void PlaceCursor(int nextColumn, int nextRow);
    void Act();
    // Takes a move back or makes it again; a held card goes home first. The cursor follows the
    // card, as it stands on a card the keys have just dropped.
    void Replay(bool undo);
    // Lays the held card over the cursor's place the way the pointer would carry it there.
    void CarryHeldCard();
    QPoint PlaceCorner() const;
    // Draws the frame (saving what it covers) or restores what it covered; the held card is
    // lifted off first, so the frame always lies under it.
    void Draw();
    void Erase();

    Board& board;
    TableDrawing& drawing;
    PointerPlay& pointer;
    int column = 1;
    int row = 0;
    bool shown = false;
    std::function<void(int, int)> cursorListener;
    // The frame's pixels relative to its place's corner, and what lay under them.
    std::vector<QPoint> framePixels;
    std::vector<QRgb> saved;
    QPoint savedAt;
};
