#include "game/DealTally.h"

#include "game/Board.h"
#include "platform/Clock.h"

namespace {
constexpr int ReshufflesPerDeal = 2;
}

DealTally::DealTally(const Board& boardRef) : board(boardRef) {}

std::int64_t DealTally::NowMs() {
    return GameClock().LocalTime().toMSecsSinceEpoch();
}

int DealTally::ReshufflesUsed() const {
    return ReshufflesPerDeal - board.ReshufflesLeft();
}

void DealTally::Changed() {
    const Position now = board.Layout();
    if (board.Round() != round) {
        round = board.Round();
        // A round with every reshuffle still to come is a fresh deal; any other a reshuffle.
        if (board.ReshufflesLeft() == ReshufflesPerDeal) {
            dealt = true;
            deal = board.DealSeed();
            startedMs = NowMs();
            moves = undos = hints = 0;
        }
        path.assign(1, now);
        at = 0;
        return;
    }
    // Putting the last card back where it came from takes the move back, by key or by hand alike.
    if (at > 0 && path[at - 1] == now) {
        --at;
        ++undos;
        return;
    }
    ++moves;
    if (at + 1 < path.size() && path[at + 1] == now) {
        ++at;
        return;
    }
    path.resize(at + 1);
    path.push_back(now);
    ++at;
}
