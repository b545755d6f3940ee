#pragma once

#include <cstdint>

#include "rules/GameRandom.h"
#include "rules/Position.h"

// A deal played without a window: the layout as values and a generator of its own, seeded with
// the deal's number, so that it deals and reshuffles exactly as the game does with that seed while
// never touching the game's random source or its clock. Any number of games may run on as many
// threads.
class HeadlessGame {
public:
    explicit HeadlessGame(std::uint32_t deal);

    const Position& Layout() const { return layout; }
    // A move as a player makes it. False, with nothing changed, when the gap rule refuses it.
    bool Play(const Move& move);
    // Refused, silently, when no reshuffle is left.
    void Reshuffle();
    int ReshufflesLeft() const { return reshufflesLeft; }

private:
    GameRandom random;
    Position layout;
    int reshufflesLeft = 2;
};
