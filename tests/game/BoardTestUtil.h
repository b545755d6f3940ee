#pragma once

#include <QString>
#include <set>

#include "game/Board.h"
#include "game/DealPrinter.h"

// A position as text, one token per place, row by row: "6d", "--" for a gap.
inline QString Layout(const Position& position) {
    QString text;
    for (int row = 0; row < Position::Rows; ++row) {
        for (int column = 0; column < Position::Columns; ++column) {
            const std::uint8_t card = position.At(column, row);
            text += card == 0 ? QStringLiteral("--") : CardToken(Position::Suit(card), Position::Rank(card));
            text += QLatin1Char(' ');
        }
        text += QLatin1Char('\n');
    }
    return text;
}

// The board's piles as the same text.
inline QString Layout(const Board& board) {
    QString text;
    for (int row = 0; row < Board::Rows; ++row) {
        for (int column = 0; column < Board::Columns; ++column) {
            const CardPile& place = board.Place(column, row);
            text += place.Count() == 0 ? QStringLiteral("--") : CardToken(place.TopSuit(), place.TopRank());
            text += QLatin1Char(' ');
        }
        text += QLatin1Char('\n');
    }
    return text;
}

inline QString Token(const Board& board, int column, int row) {
    return Layout(board).split(QLatin1Char('\n'))[row].split(QLatin1Char(' '))[column];
}

// Empties every place and puts the given cards (suit, rank per place) where asked.
inline void ClearBoard(Board& board) {
    board.SetLayout(Position{});
}

inline void Put(Board& board, int column, int row, int suit, int rank) {
    Position position = board.Layout();
    position.Set(column, row, Position::Code(suit, rank));
    board.SetLayout(position);
}

inline void Empty(Board& board, int column, int row) {
    Position position = board.Layout();
    position.Set(column, row, 0);
    board.SetLayout(position);
}

// Exchanges the cards (or gaps) of two places.
inline void Swap(Board& board, int column, int row, int otherColumn, int otherRow) {
    Position position = board.Layout();
    position.Set(column, row, board.Layout().At(otherColumn, otherRow));
    position.Set(otherColumn, otherRow, board.Layout().At(column, row));
    board.SetLayout(position);
}

// A won board: every row runs ace to king of its suit, column 13 empty.
inline void LayWonBoard(Board& board) {
    ClearBoard(board);
    for (int row = 0; row < Board::Rows; ++row) {
        for (int column = 0; column < 13; ++column) Put(board, column, row, row, column + 1);
    }
}

// Number of distinct cards on the board and in the hand, and whether any card appears twice.
inline int DistinctCards(const Board& board, bool* duplicate = nullptr) {
    std::set<int> seen;
    int total = 0;
    auto add = [&](const CardPile& pile) {
        for (int i = 1; i <= pile.Count(); ++i) {
            seen.insert(pile.SuitAt(i) * 13 + pile.RankAt(i));
            ++total;
        }
    };
    for (int column = 0; column < Board::Columns; ++column) {
        for (int row = 0; row < Board::Rows; ++row) add(board.Place(column, row));
    }
    if (board.Hand() != nullptr) add(*board.Hand());
    if (duplicate != nullptr) *duplicate = total != static_cast<int>(seen.size());
    return static_cast<int>(seen.size());
}
