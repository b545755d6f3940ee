#include "solver/HeadlessGame.h"

#include "rules/Dealing.h"

HeadlessGame::HeadlessGame(std::uint32_t deal) : random(deal), layout(DealPosition(random)) {}

bool HeadlessGame::Play(const Move& move) {
    if (move.fromColumn < 1 || move.fromColumn >= Position::Columns || move.fromRow >= Position::Rows)
        return false;
    const std::uint8_t card = layout.At(move.fromColumn, move.fromRow);
    // The card leaves its place before the rule is asked, as a card in the hand does.
    layout.Set(move.fromColumn, move.fromRow, 0);
    const bool legal = layout.MayPlace(card, move.toColumn, move.toRow);
    layout.Set(legal ? move.toColumn : move.fromColumn, legal ? move.toRow : move.fromRow, card);
    return legal;
}

void HeadlessGame::Reshuffle() {
    if (reshufflesLeft == 0) return;
    ReshufflePosition(layout, random);
    --reshufflesLeft;
}
