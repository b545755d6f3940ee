#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>

#include "base/GameState.h"
#include "cards/CardPile.h"
#include "cards/TableGeometry.h"
#include "rules/Position.h"

class CuePlayer;
class ScoreDisplay;
class TableDrawing;
struct MoveSwitches;
struct RandomSource;

// The 14 x 4 places of the game and the card in the player's hand, drawn as they change, with the
// same places kept as values beside them for the rules (rules/) to read. Every card that moves on
// the board moves through Lift, Lay or SetLayout, so the two never part.
class Board {
public:
    static constexpr int Columns = Position::Columns;
    static constexpr int Rows = Position::Rows;

    // Deals and reshuffles draw from the generator; the aces of a deal slide home when the
    // switches say so.
    Board(TableDrawing& drawing, CuePlayer& cues, ScoreDisplay& score, const MoveSwitches& switches,
          RandomSource& generator);
    ~Board();
    Board(const Board&) = delete;
    Board& operator=(const Board&) = delete;

    const CardPile& Place(int column, int row) const { return *places[Index(column, row)]; }
    static constexpr int PlaceX(int column) { return PlaceLeft(column); }
    static constexpr int PlaceY(int row) { return PlaceTop(row); }

    std::unique_ptr<CardPile>& Hand() { return hand; }
    const CardPile* Hand() const { return hand.get(); }

    // The replay and a chosen deal number set its seed before dealing.
    RandomSource& Generator() { return generator; }
    std::uint32_t DealSeed() const { return dealSeed; }
    void SetDealSeed(std::uint32_t seed) { dealSeed = seed; }
    int ReshufflesLeft() const { return reshufflesLeft; }
    GameState State() const { return gameState; }
    // Counts the deals and reshuffles so far: whatever remembers a layout can tell it is gone.
    int Round() const { return round; }
    void SetState(GameState state) { gameState = state; }

    int originColumn = 0;
    int originRow = 0;

    // Lays out a new deal from the random source's current seed; the aces then move to column 0.
    void Deal();
    // The places as values (a held card counts as lifted from its place): what the rules and the
    // solver read.
    const Position& Layout() const { return layout; }
    // Lays the places out as the position says, drawing only those that change: no sound, no wait.
    void SetLayout(const Position& target);
    // The place's card into the empty hand; false, with nothing changed, for a gap or a full hand.
    bool Lift(int column, int row);
    // The held card onto the place, slid there when asked; false without a card held or with the
    // place taken.
    bool Lay(int column, int row, bool slide);
    // Whether a card of this suit and rank may go into place (column, row): the gap rule.
    bool MayPlace(int suit, int rank, int column, int row) const;
    bool IsWon() const { return layout.IsWon(); }
    // Gathers every card not yet in its row's ordered run, shuffles them and lays them out again.
    // Refused silently with a card in the hand or no reshuffle left.
    void Reshuffle();

    // Told after every deal, reshuffle and move; whoever moves a card on the board calls Changed.
    void SetChangeListener(std::function<void()> listener) { changeListener = std::move(listener); }
    void Changed() const {
        if (changeListener) changeListener();
    }

    void RepaintAll();
    // The held card comes off first and goes back last: it lies on top of the places, and a card
    // left on the surface while the board is redrawn would vanish and later restore a patch of
    // the old surface.
    void HideAll();
    void ShowAll();

private:
    static std::size_t Index(int column, int row) { return static_cast<std::size_t>(column * Rows + row); }

    TableDrawing& drawing;
    CuePlayer& cues;
    ScoreDisplay& score;
    const MoveSwitches& switches;
    RandomSource& generator;
    std::array<std::unique_ptr<CardPile>, Columns * Rows> places;
    Position layout;
    std::unique_ptr<CardPile> hand;
    std::uint32_t dealSeed = 0;
    int reshufflesLeft = 0;
    int round = 0;
    GameState gameState = GameState::Over;
    std::function<void()> changeListener;
};
