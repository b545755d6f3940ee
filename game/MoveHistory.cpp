#include "game/MoveHistory.h"

#include "game/Board.h"
#include "game/CuePlayer.h"
#include "game/TableDrawing.h"
#include "platform/Surface.h"

MoveHistory::MoveHistory(Board& boardRef, TableDrawing& tableDrawing, CuePlayer& cuePlayer)
    : board(boardRef), drawing(tableDrawing), cues(cuePlayer) {}

void MoveHistory::Follow() const {
    if (round == board.Round()) return;
    round = board.Round();
    moves.clear();
    made = 0;
}

void MoveHistory::Record(const Move& move) {
    Follow();
    moves.resize(made);
    moves.push_back(move);
    made = moves.size();
}

bool MoveHistory::Playable() const {
    return board.State() != GameState::Over && board.Hand() == nullptr;
}

bool MoveHistory::CanUndo() const {
    Follow();
    return Playable() && made > 0;
}

bool MoveHistory::CanRedo() const {
    Follow();
    return Playable() && made < moves.size();
}

std::optional<MoveHistory::Move> MoveHistory::Undo() {
    if (!CanUndo()) return std::nullopt;
    const Move move = moves[made - 1];
    if (!Carry(move.toColumn, move.toRow, move.fromColumn, move.fromRow)) return std::nullopt;
    --made;
    return move;
}

std::optional<MoveHistory::Move> MoveHistory::Redo() {
    if (!CanRedo()) return std::nullopt;
    const Move move = moves[made];
    if (!Carry(move.fromColumn, move.fromRow, move.toColumn, move.toRow)) return std::nullopt;
    ++made;
    return move;
}

bool MoveHistory::Carry(int fromColumn, int fromRow, int toColumn, int toRow) {
    const CardPile& from = board.Place(fromColumn, fromRow);
    const CardPile& to = board.Place(toColumn, toRow);
    // A stale record (a place changed behind the history's back) is dropped rather than played.
    if (from.Count() != 1 || to.Count() != 0) {
        moves.clear();
        made = 0;
        return false;
    }
    board.Lift(fromColumn, fromRow);
    cues.PlayCue(SoundCue::Drop);
    // One frame, whatever the slide option: a player stepping through the round wants to see
    // where it leads, and a held Ctrl+Z must not queue up slides.
    Surface* surface = drawing.DrawingSurface();
    std::optional<Surface::Batch> frame;
    if (surface != nullptr) frame.emplace(*surface);
    board.Lay(toColumn, toRow, false);
    // Whoever follows the board (the hint's search) hears of it as of any other move.
    board.Changed();
    return true;
}
