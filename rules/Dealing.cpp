#include "rules/Dealing.h"

#include <utility>
#include <vector>

namespace {

constexpr int Columns = Position::Columns;
constexpr int Rows = Position::Rows;

// A pile of card codes: slot 1 is the bottom card, the last slot the top one, as in a card pile.
class Deck {
public:
    void Add(std::uint8_t card) { cards.push_back(card); }
    void Shuffle(GameRandom& random) {
        random.Shuffle(static_cast<int>(cards.size()), [this](int i, int j) {
            std::swap(cards[static_cast<std::size_t>(i - 1)], cards[static_cast<std::size_t>(j - 1)]);
        });
    }
    std::uint8_t TakeTop() {
        const std::uint8_t card = cards.back();
        cards.pop_back();
        return card;
    }

private:
    std::vector<std::uint8_t> cards;
};

}  // namespace

Position LayDeck(GameRandom& random) {
    Deck deck;
    for (int suit = 0; suit < Rows; ++suit) {
        for (int rank = 1; rank <= 13; ++rank) deck.Add(Position::Code(suit, rank));
    }
    deck.Shuffle(random);
    Position laid;
    for (int column = 1; column < Columns; ++column) {
        for (int row = 0; row < Rows; ++row) laid.Set(column, row, deck.TakeTop());
    }
    return laid;
}

std::vector<Move> AceMoves(const Position& laid) {
    std::vector<Move> moves;
    for (int column = 1; column < Columns; ++column) {
        for (int row = 0; row < Rows; ++row) {
            const std::uint8_t card = laid.At(column, row);
            if (Position::Rank(card) != 1) continue;
            moves.push_back({static_cast<std::uint8_t>(column), static_cast<std::uint8_t>(row), 0,
                             static_cast<std::uint8_t>(Position::Suit(card))});
        }
    }
    return moves;
}

Position DealPosition(GameRandom& random) {
    Position position = LayDeck(random);
    for (const Move& ace : AceMoves(position)) position.Apply(ace);
    return position;
}

void ReshufflePosition(Position& position, GameRandom& random) {
    std::array<int, Rows> first{};
    Deck deck;
    for (int row = 0; row < Rows; ++row) {
        first[static_cast<std::size_t>(row)] = position.RunEnd(row);
        for (int column = first[static_cast<std::size_t>(row)]; column < Columns; ++column) {
            if (position.At(column, row) != 0) deck.Add(position.At(column, row));
            position.Set(column, row, 0);
        }
    }
    deck.Shuffle(random);
    for (int row = 0; row < Rows; ++row) {
        for (int column = first[static_cast<std::size_t>(row)] + 1; column < Columns; ++column) {
            position.Set(column, row, deck.TakeTop());
        }
    }
}
