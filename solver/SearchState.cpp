#include "solver/SearchState.h"

#include "solver/SplitMix.h"

namespace {

constexpr int Columns = Position::Columns;
constexpr int Places = Position::Places;
constexpr std::uint8_t Nowhere = Position::Nowhere;

// One random key for each card on each place; a position's key is the exclusive or of its cards'.
using Keys = std::array<std::array<std::uint64_t, 64>, Places>;

// Made by the compiler: the table lies in the program's read-only data, so a start that never
// searches neither fills nor touches it.
constexpr Keys MakeKeys() {
    Keys k{};
    std::uint64_t state = 0x9E3779B97F4A7C15ull;
    for (auto& place : k) {
        for (auto& key : place) key = SplitMix(state);
    }
    return k;
}

constexpr Keys keys = MakeKeys();

std::size_t At(int index) {
    return static_cast<std::size_t>(index);
}
constexpr std::uint64_t Bit(int card) {
    return std::uint64_t{1} << card;
}

constexpr std::uint64_t Aces = Bit(Position::Code(0, 1)) | Bit(Position::Code(1, 1)) |
                               Bit(Position::Code(2, 1)) | Bit(Position::Code(3, 1));

}  // namespace

Move ToMove(const Step& step) {
    return {static_cast<std::uint8_t>(step.from % Columns), static_cast<std::uint8_t>(step.from / Columns),
            static_cast<std::uint8_t>(step.to % Columns), static_cast<std::uint8_t>(step.to / Columns)};
}

std::vector<Move> ToLine(const std::vector<Step>& path) {
    std::vector<Move> line;
    line.reserve(path.size());
    for (const Step& step : path) line.push_back(ToMove(step));
    return line;
}

SearchState::SearchState(const Position& position) : board(position) {
    loc.fill(Nowhere);
    int gapCount = 0;
    for (int place = 0; place < Places; ++place) {
        const std::uint8_t card = Cell(place);
        if (card != 0) {
            loc[card] = static_cast<std::uint8_t>(place);
            present |= Bit(card);
            if (place == Position::Home(card)) {
                ++home;
                homeMask |= Bit(card);
            }
            key ^= keys[At(place)][card];
        } else if (place % Columns > 0 && gapCount < 4) {
            gaps[At(gapCount++)] = static_cast<std::uint8_t>(place);
        }
    }
    for (int row = 0; row < Position::Rows; ++row) first[At(row)] = board.RunEnd(row);
    gapTotal = gapCount;
}

RunReach SearchState::Reach(const std::vector<Step>& path) const {
    RunReach reach;
    for (std::size_t row = 0; row < reach.runEnds.size(); ++row)
        reach.runEnds[row] = static_cast<std::uint8_t>(first[row]);
    reach.line = ToLine(path);
    return reach;
}

std::uint64_t SearchState::KeyAfter(const Step& step) const {
    const std::uint8_t card = Cell(step.from);
    return key ^ keys[step.from][card] ^ keys[step.to][card];
}

int SearchState::Score(const Step& step) const {
    const std::uint8_t card = Cell(step.from);
    const int from = step.from;
    const int gap = step.to;
    const int fromRow = from / Columns;
    const int fromColumn = from % Columns;
    int value = 0;
    if (gap == Position::Home(card)) value += gap % Columns == First(gap / Columns) ? 1000 : 2;
    if (from == Position::Home(card) && fromColumn < First(fromRow)) value -= 8;
    // The gap the move leaves takes nothing from a card on its left (a king).
    const std::uint8_t left = Cell(from - 1);
    if (left != 0 && Position::Fillers(left, 0)[0] == 0) value -= 2;
    return value;
}

void SearchState::ChainTiers(std::array<std::uint8_t, Places>& tierOf, bool keepRuns) const {
    // For each row whose run's next place holds a wrong card: the shortest chain of moves that
    // empties it, each card going to a place the next one down the chain leaves. The chain's
    // first move, its last card into a gap, gets the chain's length as its tier.
    constexpr int MaxDepth = 3;
    for (int row = 0; row < Position::Rows; ++row) {
        const int end = First(row);
        if (end >= Columns - 1) continue;
        const int target = Position::Place(end, row);
        if (Cell(target) == 0) continue;
        std::array<std::uint8_t, 8> level{};
        std::array<std::uint8_t, 8> nextLevel{};
        int levelSize = 1;
        level[0] = static_cast<std::uint8_t>(target);
        bool found = false;
        for (int depth = 1; depth <= MaxDepth && levelSize > 0 && !found; ++depth) {
            int nextSize = 0;
            for (int i = 0; i < levelSize; ++i) {
                const int place = level[At(i)];
                const std::uint8_t card = Cell(place);
                const std::array<std::uint8_t, 2> neighbours = Position::Neighbours(card);
                for (const int destination : Position::Destinations(loc[neighbours[0]], loc[neighbours[1]])) {
                    if (destination == Nowhere || destination == place) continue;
                    const std::uint8_t occupant = Cell(destination);
                    if (occupant == 0) {
                        std::uint8_t& tier = tierOf[At(place)];
                        if (tier == 0 || tier > depth) tier = static_cast<std::uint8_t>(depth);
                        found = true;
                    } else if (nextSize < static_cast<int>(nextLevel.size()) &&
                               !(keepRuns && InRun(destination))) {
                        nextLevel[At(nextSize++)] = static_cast<std::uint8_t>(destination);
                    }
                }
            }
            level = nextLevel;
            levelSize = nextSize;
        }
    }
}

bool SearchState::CanGrow() const {
    for (int row = 0; row < Position::Rows; ++row) {
        const int end = First(row);
        if (end < Columns - 1 && Cell(Position::Place(end, row)) == 0) return true;
    }
    return false;
}

int SearchState::Generate(StepList& out, const MoveRules& rules) const {
    if (rules.keepRuns) {
        for (int row = 0; row < Position::Rows; ++row) {
            const int end = First(row);
            if (end >= Columns - 1 || Cell(Position::Place(end, row)) != 0) continue;
            // The run's next card fits there: its predecessor ends the run.
            out[0] = {loc[Position::Code(row, end + 1)],
                      static_cast<std::uint8_t>(Position::Place(end, row))};
            return 1;
        }
    }
    int count = 0;
    for (int i = 0; i < gapTotal; ++i) {
        const int gap = gaps[At(i)];
        const int column = gap % Columns;
        const std::array<std::uint8_t, 2> fillers =
            Position::Fillers(Cell(gap - 1), column < Columns - 1 ? Cell(gap + 1) : 0);
        for (int side = 0; side < 2; ++side) {
            const std::uint8_t card = fillers[At(side)];
            if (card == 0 || (side == 1 && card == fillers[0])) continue;
            const int from = loc[card];
            // Aces never move: they only ever stand in column 0.
            if (from == Nowhere || from % Columns == 0 || (rules.keepRuns && InRun(from))) continue;
            out[At(count++)] = {static_cast<std::uint8_t>(from), static_cast<std::uint8_t>(gap)};
        }
    }
    if (count < 2) return count;
    std::array<int, 8> score{};
    if (rules.shuffle != 0) {
        for (int i = 0; i < count; ++i) {
            std::uint64_t mix = key ^ rules.shuffle ^ (std::uint64_t{out[At(i)].from} << 8 | out[At(i)].to);
            score[At(i)] = static_cast<int>(SplitMix(mix) >> 33);
        }
    } else {
        std::array<std::uint8_t, Places> tierOf{};
        ChainTiers(tierOf, rules.keepRuns);
        for (int i = 0; i < count; ++i) {
            const int tier = tierOf[out[At(i)].from];
            score[At(i)] = Score(out[At(i)]) + (tier > 0 ? 600 - 100 * tier : 0);
        }
    }
    // Insertion sort, stable, so equal moves keep the order of the gaps.
    for (int i = 1; i < count; ++i) {
        const Step step = out[At(i)];
        const int value = score[At(i)];
        int j = i;
        for (; j > 0 && score[At(j - 1)] < value; --j) {
            out[At(j)] = out[At(j - 1)];
            score[At(j)] = score[At(j - 1)];
        }
        out[At(j)] = step;
        score[At(j)] = value;
    }
    return count;
}

bool SearchState::Deadlocked(bool keepRuns) const {
    // The greatest set of cards that can never move again: each one's ways in (its Destinations)
    // are held by cards of the set, or lie off the grid, or are where it already stands, and the
    // neighbours they lie beside are of the set too. Start from every card and drop those with a
    // way open; a card whose neighbour is not on the board (only ever in tests) keeps its way
    // open.
    std::uint64_t fixed = Aces;
    if (keepRuns) {
        for (int row = 0; row < Position::Rows; ++row) {
            for (int column = 1; column < First(row); ++column)
                fixed |= Bit(Cell(Position::Place(column, row)));
        }
    }
    std::uint64_t frozen = present;
    for (bool changed = true; changed;) {
        changed = false;
        for (std::uint64_t candidates = frozen & ~fixed; candidates != 0; candidates &= candidates - 1) {
            const int card = __builtin_ctzll(candidates);
            const int place = loc[At(card)];
            // A way in stays open while the neighbour it lies beside may still move, or while the
            // place is free or held by a card that may move. Aces are fixed, so every card asked
            // about has a predecessor: Neighbours(card)[0] is card - 1, worked out here without a
            // branch, as this loop is most of the search's time.
            const int before = card - 1;
            bool open = false;
            if ((frozen & Bit(before)) == 0) {
                open = true;
            } else {
                const int way = Position::RightOf(loc[At(before)]);
                if (way != Nowhere && way != place) {
                    const std::uint8_t occupant = Cell(way);
                    open = occupant == 0 || (frozen & Bit(occupant)) == 0;
                }
            }
            if (!open) {
                // A king has no successor: Neighbours gives 0, and that way stays shut.
                const std::uint8_t after = Position::Neighbours(static_cast<std::uint8_t>(card))[1];
                if (after != 0 && (frozen & Bit(after)) == 0) {
                    open = true;
                } else if (after != 0) {
                    const int way = Position::LeftOf(loc[after]);
                    if (way != Nowhere && way != place) {
                        const std::uint8_t occupant = Cell(way);
                        open = occupant == 0 || (frozen & Bit(occupant)) == 0;
                    }
                }
            }
            if (open) {
                frozen &= ~Bit(card);
                changed = true;
            }
        }
    }
    return (frozen & ~homeMask) != 0;
}

void SearchState::Do(int from, int to) {
    const std::uint8_t card = Cell(from);
    board.cells[At(to)] = card;
    board.cells[At(from)] = 0;
    loc[card] = static_cast<std::uint8_t>(to);
    for (auto& gap : gaps) {
        if (gap == to) {
            gap = static_cast<std::uint8_t>(from);
            break;
        }
    }
    key ^= keys[At(from)][card] ^ keys[At(to)][card];
    const int homePlace = Position::Home(card);
    const int fromRow = from / Columns;
    const int fromColumn = from % Columns;
    if (from == homePlace) {
        --home;
        homeMask &= ~Bit(card);
        // Only the last card of a run can leave it.
        if (fromColumn < First(fromRow)) first[At(fromRow)] = fromColumn;
    }
    if (to == homePlace) {
        ++home;
        homeMask |= Bit(card);
        const int toRow = to / Columns;
        if (to % Columns == First(toRow)) first[At(toRow)] = board.RunEnd(toRow, to % Columns + 1);
    }
}
