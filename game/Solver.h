#pragma once

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

class Board;

// A board reduced to what the search needs: one byte per place, suit * 16 + rank, 0 for a gap.
// Made once from a Board; the search never touches the Board itself, which draws and waits.
struct Position {
    static constexpr int Columns = 14;
    static constexpr int Rows = 4;

    std::array<std::array<std::uint8_t, Columns>, Rows> cells{};  // [row][column]

    static Position FromBoard(const Board& board);
    static std::uint8_t Code(int suit, int rank) { return static_cast<std::uint8_t>(suit * 16 + rank); }
    std::uint8_t At(int column, int row) const {
        return cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    }
    bool operator==(const Position&) const = default;
    auto operator<=>(const Position&) const = default;
};

// A card from one place into a gap.
struct Move {
    std::uint8_t fromColumn = 0;
    std::uint8_t fromRow = 0;
    std::uint8_t toColumn = 0;
    std::uint8_t toRow = 0;
    bool operator==(const Move&) const = default;
};

// A gap takes the successor of its left neighbour or the predecessor of its right one, and there
// are four gaps, so no position has more than eight moves.
using MoveList = std::array<Move, 8>;

int Moves(const Position& position, MoveList& moves);
void Apply(Position& position, const Move& move);
void Undo(Position& position, const Move& move);
bool IsWon(const Position& position);
// Cards beyond the aces that already continue their row's ordered run.
int RunCards(const Position& position);

enum class SolveStatus { Solved, NoSolution, BudgetExhausted, Stopped };

struct Budget {
    std::uint64_t maxPositions = 1'000'000;
    std::optional<std::chrono::steady_clock::time_point> deadline;
    const std::atomic_bool* stop = nullptr;
    // Skips moves into positions that have no move left; off only to check that skipping is sound.
    bool prune = true;
    // Also remember a line to every reachable set of run ends, the places to reshuffle from.
    bool trackRuns = false;
};

// What a reshuffle keeps: where each row's ordered run ends (the first column not in it), and a
// line that gets there. Every position with the same run ends reshuffles alike.
struct RunReach {
    std::array<std::uint8_t, Position::Rows> runEnds{};
    std::vector<Move> line;

    // Cards beyond the aces in the runs.
    int RunCards() const { return runEnds[0] + runEnds[1] + runEnds[2] + runEnds[3] - Position::Rows; }
};

struct SolveResult {
    SolveStatus status = SolveStatus::NoSolution;
    // The winning line when Solved.
    std::vector<Move> line;
    // Distinct positions reached, the start included.
    std::uint64_t positions = 0;
    // With trackRuns: each set of run ends reached once, the start's first.
    std::vector<RunReach> reached;
};

// A small, fast generator for the search's own needs, stepping state; never the game's random
// source, which a search must not read or disturb.
std::uint64_t SplitMix(std::uint64_t& state);

// Depth-first search for a line that wins without a reshuffle. NoSolution only ever comes from
// a search that saw every reachable position; a spent budget answers BudgetExhausted.
SolveResult Solve(const Position& start, const Budget& budget);
