#include "game/Board.h"

#include "base/MoveSwitches.h"
#include "cards/BusyWait.h"
#include "cards/RandomSource.h"
#include "game/CuePlayer.h"
#include "game/ScoreDisplay.h"
#include "game/TableDrawing.h"
#include "rules/Dealing.h"

Board::Board(TableDrawing& tableDrawing, CuePlayer& cuePlayer, ScoreDisplay& scoreDisplay,
             const MoveSwitches& moveSwitches, RandomSource& randomSource)
    : drawing(tableDrawing),
      cues(cuePlayer),
      score(scoreDisplay),
      switches(moveSwitches),
      generator(randomSource) {
    for (int column = 0; column < Columns; ++column) {
        for (int row = 0; row < Rows; ++row) {
            places[Index(column, row)] = std::make_unique<CardPile>(PlaceX(column), PlaceY(row), 0, 0, 1);
        }
    }
}

Board::~Board() = default;

void Board::Deal() {
    Surface* surface = drawing.DrawingSurface();
    cues.PlayCue(SoundCue::Deal);
    if (hand) {
        hand->Hide(surface);
        hand.reset();
    }
    for (auto& place : places) {
        place->Hide(surface);
        place->Clear();
        place->Show(surface);
    }
    layout = Position{};

    dealSeed = generator.GeneratorSeed;
    GameRandom random = generator.Draws();
    const Position laid = LayDeck(random);
    generator.Continue(random);
    SetLayout(laid);

    BusyWait(500);
    for (const Move& ace : AceMoves(laid)) {
        cues.PlayCue(SoundCue::Pick);
        Lift(ace.fromColumn, ace.fromRow);
        Lay(ace.toColumn, ace.toRow, switches.slide);
        cues.PlayCue(SoundCue::Pick);
    }

    reshufflesLeft = 2;
    ++round;
    gameState = GameState::Dealt;
    score.SetReshuffleEnabled(true);
    Changed();
}

void Board::SetLayout(const Position& target) {
    Surface* surface = drawing.DrawingSurface();
    for (int column = 0; column < Columns; ++column) {
        for (int row = 0; row < Rows; ++row) {
            const std::uint8_t card = target.At(column, row);
            if (layout.At(column, row) == card) continue;
            CardPile& place = *places[Index(column, row)];
            // A place never drawn stays so; a drawn one stays on the surface, empty or not.
            const bool shown = !place.Hidden();
            place.Hide(surface);
            place.Clear();
            if (shown) place.Show(surface);
            if (card != 0) {
                std::unique_ptr<CardPile> laid = std::make_unique<CardPile>(place.X(), place.Y(), 0, 0, 1);
                laid->AddCard(Position::Suit(card), Position::Rank(card), 1);
                place.MoveOnto(surface, laid, false);
            }
            layout.Set(column, row, card);
        }
    }
}

bool Board::Lift(int column, int row) {
    if (column < 0 || column >= Columns || row < 0 || row >= Rows) return false;
    if (!places[Index(column, row)]->TakeTop(hand)) return false;
    layout.Set(column, row, 0);
    return true;
}

bool Board::Lay(int column, int row, bool slide) {
    if (!hand || column < 0 || column >= Columns || row < 0 || row >= Rows) return false;
    const std::uint8_t card = Position::Code(hand->TopSuit(), hand->TopRank());
    CardPile& place = *places[Index(column, row)];
    if (place.Count() != 0 || !place.MoveOnto(drawing.DrawingSurface(), hand, slide)) return false;
    layout.Set(column, row, card);
    return true;
}

bool Board::MayPlace(int suit, int rank, int column, int row) const {
    if (suit < 0 || suit >= Rows || rank < 1 || rank > 13) return false;
    return layout.MayPlace(Position::Code(suit, rank), column, row);
}

void Board::Reshuffle() {
    if (reshufflesLeft == 0 || hand) return;
    Position next = layout;
    GameRandom random = generator.Draws();
    ReshufflePosition(next, random);
    generator.Continue(random);
    SetLayout(next);

    --reshufflesLeft;
    ++round;
    if (reshufflesLeft == 0) score.SetReshuffleEnabled(false);
    Changed();
}

void Board::RepaintAll() {
    Surface* surface = drawing.DrawingSurface();
    for (auto& place : places) place->Repaint(surface);
}

void Board::HideAll() {
    Surface* surface = drawing.DrawingSurface();
    if (hand) hand->Hide(surface);
    for (auto& place : places) place->Hide(surface);
}

void Board::ShowAll() {
    Surface* surface = drawing.DrawingSurface();
    for (auto& place : places) place->Show(surface);
    if (hand) hand->Show(surface);
}
