#pragma once

#include <cstdint>

#include "game/MoveHistory.h"

class Board;
class CuePlayer;
class GameFlow;
class Surface;
class TableDrawing;
struct MoveSwitches;

// Turns mouse events on the board into moves. Play is by clicking: a primary click picks a card
// up, the card follows the pointer with no button held, the next primary click drops it. The
// right button shows, while it is down, where a card may go or which cards may fill a gap.
// A card may also be dragged: pressed, carried with the button held and let go over a gap, the
// release drops it as the second click would.
class PointerPlay {
public:
    enum class Button { Primary, Secondary };

    PointerPlay(Board& board, TableDrawing& drawing, CuePlayer& cues, const MoveSwitches& switches,
                GameFlow& flow);

    void MouseDown(Button button, int x, int y);
    void MouseMove(int x, int y);
    void MouseUp(Button button);
    // Sends the held card back to the place it was taken from, as a drop on no gap does.
    void ReturnCard();

    // How far the pointer must travel with the button held before a release drops the card.
    static constexpr int DragDistance = 6;

    // The hint frame around place (column, row); drawn in the background colour it erases the
    // frame again.
    static void FramePlace(Surface* surface, int column, int row, std::uint32_t colorRef);

    // The moves made by drops in this round, for undo and redo.
    MoveHistory& History() { return history; }

    int GrabX() const { return grabX; }
    int GrabY() const { return grabY; }

private:
    struct Hint {
        int column = 0;
        int row = 0;
    };

    void PickUp(int x, int y);
    void Drop(int x, int y);
    void ShowHints(int x, int y);
    void EndHints();
    void MarkGapsFor(int suit, int rank);
    Hint FindCard(int suit, int rank) const;
    void DrawHintFrame(const Hint& hint, unsigned colorRef);

    Board& board;
    TableDrawing& drawing;
    CuePlayer& cues;
    const MoveSwitches& switches;
    GameFlow& flow;
    int grabX = 0;
    int grabY = 0;
    // A press that picked a card up and has not been released yet, and whether it has moved.
    bool pressing = false;
    bool dragged = false;
    int pressX = 0;
    int pressY = 0;
    int pointerX = 0;
    int pointerY = 0;
    Hint hintA;
    Hint hintB;
    MoveHistory history;
};
