#include "game/Board.h"

#include "cards/BusyWait.h"
#include "cards/Random.h"
#include "game/BoardHost.h"

Board::Board(BoardHost& boardHost) : host(boardHost) {
    for (int column = 0; column < Columns; ++column) {
        for (int row = 0; row < Rows; ++row) {
            places[Index(column, row)] = std::make_unique<CardPile>(PlaceX(column), PlaceY(row), 0, 0, 1);
        }
    }
}

Board::~Board() = default;

std::unique_ptr<CardPile> Board::MakeDeck() const {
    // The deck is never shown, so where it stands only matters to the cards' slide paths: on the
    // last place.
    return std::make_unique<CardPile>(PlaceX(Columns - 1), PlaceY(Rows - 1), 0, 0, 52);
}

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

    dealSeed = GeneratorSeed;
    std::unique_ptr<CardPile> deck = MakeDeck();
    deck->FillDeck(6, 1, 13, 1);
    deck->Shuffle();
    for (int column = 1; column < Columns; ++column) {
        for (int row = 0; row < Rows; ++row) {
            deck->TakeTop(hand);
            Place(column, row).MoveOnto(surface, hand, false);
        }
    }

    BusyWait(500);
    for (int column = 1; column < Columns; ++column) {
        for (int row = 0; row < Rows; ++row) {
            CardPile& place = Place(column, row);
            if (place.TopRank() != 1) continue;
            host.PlayCue(SoundCue::Pick);
            place.TakeTop(hand);
            Place(0, hand->TopSuit()).MoveOnto(surface, hand, host.SlideOn());
            host.PlayCue(SoundCue::Pick);
        }
    }
    deck->Clear();

    reshufflesLeft = 2;
    ++round;
    gameState = GameState::Dealt;
    host.SetReshuffleEnabled(true);
    Changed();
}

Position Board::Layout() const {
    Position layout;
    for (int column = 0; column < Columns; ++column) {
        for (int row = 0; row < Rows; ++row) {
            const CardPile& place = Place(column, row);
            if (place.Count() != 0) layout.Set(column, row, Position::Code(place.TopSuit(), place.TopRank()));
        }
    }
    return layout;
}

bool Board::MayPlace(int suit, int rank, int column, int row) const {
    if (suit < 0 || suit >= Rows || rank < 1 || rank > 13) return false;
    return Layout().MayPlace(Position::Code(suit, rank), column, row);
}

bool Board::IsWon() const {
    return Layout().IsWon();
}

void Board::Reshuffle() {
    if (reshufflesLeft == 0 || hand) return;
    Surface* surface = host.DrawingSurface();

    const Position layout = Layout();
    std::array<int, Rows> first{};
    for (int row = 0; row < Rows; ++row) first[static_cast<std::size_t>(row)] = layout.RunEnd(row);

    std::unique_ptr<CardPile> deck = MakeDeck();
    for (int row = 0; row < Rows; ++row) {
        for (int column = first[static_cast<std::size_t>(row)]; column < Columns; ++column) {
            CardPile& place = Place(column, row);
            if (place.Count() == 0) continue;
            place.TakeTop(hand);
            hand->Hide(surface);
            deck->MoveOnto(surface, hand, false);
        }
    }
    deck->Shuffle();
    for (int row = 0; row < Rows; ++row) {
        for (int column = first[static_cast<std::size_t>(row)] + 1; column < Columns; ++column) {
            deck->TakeTop(hand);
            Place(column, row).MoveOnto(surface, hand, false);
        }
    }

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
