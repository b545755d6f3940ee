#pragma once

#include <cstdint>
#include <vector>

#include "rules/Position.h"

class Board;

// The deal in play as the player's record sees it: its number, when it was dealt, and the moves,
// undos, reshuffles and hints it has taken so far. It follows the board from outside, told after
// every deal, reshuffle and move, so nothing that plays on the board has to know of it.
class DealTally {
public:
    explicit DealTally(const Board& board);

    // After every deal, reshuffle, move, undo and redo.
    void Changed();
    void HintAsked() { ++hints; }

    bool Dealt() const { return dealt; }
    std::uint32_t Deal() const { return deal; }
    // Milliseconds since the epoch, by the game clock's time of day.
    std::int64_t StartedMs() const { return startedMs; }
    int ReshufflesUsed() const;
    int Moves() const { return moves; }
    int Undos() const { return undos; }
    int Hints() const { return hints; }

    // The game clock's time of day, in milliseconds since the epoch.
    static std::int64_t NowMs();

private:
    const Board& board;
    bool dealt = false;
    std::uint32_t deal = 0;
    std::int64_t startedMs = 0;
    int moves = 0;
    int undos = 0;
    int hints = 0;
    int round = -1;
    // The layouts of the round so far, and which of them is on the board: a change back to the
    // one before is a move taken back, a change to the one after is the same move made again.
    std::vector<Position> path;
    std::size_t at = 0;
};
