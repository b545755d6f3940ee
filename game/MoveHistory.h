#pragma once

#include <optional>
#include <vector>

class Board;
class CuePlayer;
class TableDrawing;

// The moves of the current round, for undo and redo. A round ends with every deal and every
// reshuffle: the history notices that the board has begun another one and starts afresh, so no
// caller has to remember to clear it.
//
// Undo and redo move the card with a drop's cue but at once, in one frame, never sliding; they
// leave the course of the game alone: a deal once started stays started, and nothing is counted.
class MoveHistory {
public:
    struct Move {
        int fromColumn = 0;
        int fromRow = 0;
        int toColumn = 0;
        int toRow = 0;
    };

    MoveHistory(Board& board, TableDrawing& drawing, CuePlayer& cues);

    // A card went from one place into a gap; any moves undone before are forgotten.
    void Record(const Move& move);

    bool CanUndo() const;
    bool CanRedo() const;
    // Takes the last move back, or makes the last undone one again. Refused while a card is held
    // and once the deal is over; the move made is returned so callers can follow the card.
    std::optional<Move> Undo();
    std::optional<Move> Redo();

private:
    // Forgets the moves of a round that is over.
    void Follow() const;
    bool Playable() const;
    bool Carry(int fromColumn, int fromRow, int toColumn, int toRow);

    Board& board;
    TableDrawing& drawing;
    CuePlayer& cues;
    mutable std::vector<Move> moves;
    // Moves before this index are made; those from it on were undone and may be made again.
    mutable std::size_t made = 0;
    mutable int round = -1;
};
