#include "rules/Position.h"

std::array<std::uint8_t, 2> Position::FillersOf(int column, int row) const {
    return Fillers(column > 0 ? At(column - 1, row) : 0, column < Columns - 1 ? At(column + 1, row) : 0);
}

bool Position::MayPlace(std::uint8_t card, int column, int row) const {
    if (card == 0 || column < 1 || column >= Columns || row < 0 || row >= Rows || At(column, row) != 0)
        return false;
    const std::array<std::uint8_t, 2> fillers = FillersOf(column, row);
    return card == fillers[0] || card == fillers[1];
}

int Position::RunEnd(int row, int from) const {
    int column = from;
    while (column < Columns - 1 && At(column, row) == Code(row, column + 1)) ++column;
    return column;
}

int Position::RunCards() const {
    int cards = 0;
    for (int row = 0; row < Rows; ++row) cards += RunEnd(row) - 1;
    return cards;
}

bool Position::IsWon() const {
    for (int row = 0; row < Rows; ++row) {
        if (At(0, row) != Code(row, 1) || RunEnd(row) != Columns - 1) return false;
    }
    return true;
}

void Position::Apply(const Move& move) {
    Set(move.toColumn, move.toRow, At(move.fromColumn, move.fromRow));
    Set(move.fromColumn, move.fromRow, 0);
}

void Position::Undo(const Move& move) {
    Set(move.fromColumn, move.fromRow, At(move.toColumn, move.toRow));
    Set(move.toColumn, move.toRow, 0);
}
