#include "game/Board.h"

#include "cards/BusyWait.h"
#include "cards/Random.h"
#include "game/BoardHost.h"
#include "rules/Dealing.h"

Board::Board(BoardHost& boardHost) : host(boardHost) {
    for (int column = 0; column < Columns; ++column) {
        for (int row = 0; row < Rows; ++row) {
            places[Index(column, row)] = std::make_unique<CardPile>(PlaceX(column), PlaceY(row), 0, 0, 1);
        }
    }
}

Board::~Board() = default;

void Board::Deal() {
    Surface* surface = host.DrawingSurface();
    host.PlayCue(SoundCue::Deal);
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

    dealSeed = GeneratorSeed;
    GameRandom random(GeneratorSeed);
    const Position laid = LayDeck(random);
    GeneratorSeed = random.Seed();
    SetLayout(laid);

    BusyWait(500);
    for (const Move& ace : AceMoves(laid)) {
        host.PlayCue(SoundCue::Pick);
        Lift(ace.fromColumn, ace.fromRow);
        Lay(ace.toColumn, ace.toRow, host.SlideOn());
        host.PlayCue(SoundCue::Pick);
    }

    reshufflesLeft = 2;
    ++round;
    gameState = GameState::Dealt;
    host.SetReshuffleEnabled(true);
    Changed();
}

void Board::SetLayout(const Position& target) {
    Surface* surface = host.DrawingSurface();
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
    if (place.Count() != 0 || !place.MoveOnto(host.DrawingSurface(), hand, slide)) return false;
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
    GameRandom random(GeneratorSeed);
    ReshufflePosition(next, random);
    GeneratorSeed = random.Seed();
    SetLayout(next);

    --reshufflesLeft;
    ++round;
    if (reshufflesLeft == 0) host.SetReshuffleEnabled(false);
    Changed();
}

void Board::RepaintAll() {
    Surface* surface = host.DrawingSurface();
    for (auto& place : places) place->Repaint(surface);
}

void Board::HideAll() {
    Surface* surface = host.DrawingSurface();
    if (hand) hand->Hide(surface);
    for (auto& place : places) place->Hide(surface);
}

void Board::ShowAll() {
    Surface* surface = host.DrawingSurface();
    for (auto& place : places) place->Show(surface);
    if (hand) hand->Show(surface);
}
