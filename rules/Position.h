#pragma once

#include <array>
#include <compare>
#include <cstdint>

// A card from one place into a gap.
struct Move {
    std::uint8_t fromColumn = 0;
    std::uint8_t fromRow = 0;
    std::uint8_t toColumn = 0;
    std::uint8_t toRow = 0;
    bool operator==(const Move&) const = default;
};

// The 14 x 4 places of a deal as plain values, one byte per place: suit * 16 + rank, 0 for a gap.
// The rules live here and nowhere else: the gap rule, seen from the gap and seen from the card,
// the ordered runs and the win test. The board asks them of its layout, the solver of its
// positions.
struct Position {
    static constexpr int Columns = 14;
    static constexpr int Rows = 4;
    static constexpr int Places = Columns * Rows;
    // A place number that is no place: where a card not on the board stands.
    static constexpr std::uint8_t Nowhere = 0xFF;

    // Row-major: the place at (column, row) is row * Columns + column.
    std::array<std::uint8_t, Places> cells{};

    static constexpr std::uint8_t Code(int suit, int rank) {
        return static_cast<std::uint8_t>(suit * 16 + rank);
    }
    static constexpr int Suit(std::uint8_t card) { return card >> 4; }
    static constexpr int Rank(std::uint8_t card) { return card & 15; }
    static constexpr int Place(int column, int row) { return row * Columns + column; }
    // Where a card stands in a won deal: its suit's row, the column one below its rank.
    static constexpr int Home(std::uint8_t card) { return Place(Rank(card) - 1, Suit(card)); }

    // The gap rule seen from a gap with these neighbours (0 for a gap or no place): it takes the
    // card of the left neighbour's suit one rank higher, or of the right one's one rank lower;
    // 0 where a side offers nothing. A king's right and a gap's sides offer nothing.
    static constexpr std::array<std::uint8_t, 2> Fillers(std::uint8_t left, std::uint8_t right) {
        return {static_cast<std::uint8_t>(left != 0 && Rank(left) < 13 ? left + 1 : 0),
                static_cast<std::uint8_t>(right != 0 && Rank(right) > 1 ? right - 1 : 0)};
    }

    // The gap rule seen from a card: it goes right of the card it follows in its suit, or left of
    // the one it precedes. These two cards, 0 where there is none: an ace follows none, a king
    // precedes none.
    static constexpr std::array<std::uint8_t, 2> Neighbours(std::uint8_t card) {
        return {static_cast<std::uint8_t>(Rank(card) > 1 ? card - 1 : 0),
                static_cast<std::uint8_t>(Rank(card) < 13 ? card + 1 : 0)};
    }
    // Given the places of a card's two Neighbours (Nowhere for none or not on the board): the
    // places that would take the card were they gaps, right of the first and left of the second;
    // Nowhere where a side offers nothing. Right of column 13 is off the grid, and left of column
    // 1 is column 0, which takes no card.
    static constexpr int RightOf(int before) {
        return before != Nowhere && before % Columns != Columns - 1 ? before + 1 : Nowhere;
    }
    static constexpr int LeftOf(int after) {
        return after != Nowhere && after % Columns >= 2 ? after - 1 : Nowhere;
    }
    static constexpr std::array<int, 2> Destinations(int before, int after) {
        return {RightOf(before), LeftOf(after)};
    }

    std::uint8_t At(int column, int row) const { return cells[static_cast<std::size_t>(Place(column, row))]; }
    void Set(int column, int row, std::uint8_t card) {
        cells[static_cast<std::size_t>(Place(column, row))] = card;
    }

    // The cards the place (column, row) could take if it were a gap; see Fillers.
    std::array<std::uint8_t, 2> FillersOf(int column, int row) const;
    // Whether the card may go into place (column, row): a gap in columns 1..13 that takes it.
    bool MayPlace(std::uint8_t card, int column, int row) const;
    // Where the row's ordered run ends: the first column from `from` on (1 when not given) whose
    // place does not hold the row's next card in order. Column 13 never does, so at most 13.
    int RunEnd(int row, int from = 1) const;
    // Cards beyond the aces that continue their row's run.
    int RunCards() const;
    // Every row runs from ace to king in its own suit.
    bool IsWon() const;

    // Moves the card without asking the rule; Undo takes the same move back.
    void Apply(const Move& move);
    void Undo(const Move& move);

    bool operator==(const Position&) const = default;
    auto operator<=>(const Position&) const = default;
};
