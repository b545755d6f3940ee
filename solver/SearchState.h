#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "rules/Position.h"
#include "solver/SearchTypes.h"

// A move as the search makes it: places numbered row-major, as in Position.
struct Step {
    std::uint8_t from;
    std::uint8_t to;
};

using StepList = std::array<Step, 8>;

Move ToMove(const Step& step);
std::vector<Move> ToLine(const std::vector<Step>& path);

// Which moves a pass of the search considers.
struct MoveRules {
    // The cards of the ordered runs stay where they are, and a run that can grow grows: that is
    // then the only move. Far fewer positions, but not every win keeps to it.
    bool keepRuns = false;
    // 0: best first, by what frees the runs' next places. Otherwise the moves come in an order
    // drawn from this seed and the position, the same every time for both.
    std::uint64_t shuffle = 0;
};

// The position as the search changes it, with what keeps each step cheap: where every card is,
// where the gaps are, how far each row's ordered run reaches, and the position's key.
class SearchState {
public:
    explicit SearchState(const Position& position);

    bool Won() const { return home == 52; }
    int RunCards() const { return first[0] + first[1] + first[2] + first[3] - 4; }
    // The run ends packed four bits each; no end passes column 13.
    int RunKey() const { return first[0] | first[1] << 4 | first[2] << 8 | first[3] << 12; }
    RunReach Reach(const std::vector<Step>& path) const;
    std::uint64_t Key() const { return key; }
    // The key after a move, without making it.
    std::uint64_t KeyAfter(const Step& step) const;

    // Whether a run's next place is a gap, so that the run can grow at once.
    bool CanGrow() const;
    // Fills the moves the rules allow, in their order, and returns their number.
    int Generate(StepList& out, const MoveRules& rules) const;
    // Whether some card off its home place can never move again, so that the position is lost.
    // With keepRuns, the run cards count as never moving: lost for that pass only.
    bool Deadlocked(bool keepRuns) const;
    // Moves the card at from into the gap at to; the same call with the places swapped undoes it.
    void Do(int from, int to);

private:
    std::uint8_t Cell(int place) const { return board.cells[static_cast<std::size_t>(place)]; }
    int First(int row) const { return first[static_cast<std::size_t>(row)]; }
    bool InRun(int place) const { return place % Position::Columns < First(place / Position::Columns); }
    int Score(const Step& step) const;
    void ChainTiers(std::array<std::uint8_t, Position::Places>& tierOf, bool keepRuns) const;

    Position board;
    std::array<std::uint8_t, 64> loc{};
    std::array<std::uint8_t, 4> gaps{};
    std::array<int, Position::Rows> first{};
    int gapTotal = 0;
    int home = 0;
    // One bit per card code: on the board, and on its home place.
    std::uint64_t present = 0;
    std::uint64_t homeMask = 0;
    std::uint64_t key = 0;
};
