#include "game/Solver.h"

#include <utility>

#include "game/Board.h"

namespace {

constexpr int Columns = Position::Columns;
constexpr int Places = Position::Columns * Position::Rows;
constexpr std::uint8_t Nowhere = 0xFF;

int Suit(std::uint8_t card) { return card >> 4; }
int Rank(std::uint8_t card) { return card & 15; }
// The place where a card stands in a won deal.
int Home(std::uint8_t card) { return Suit(card) * Columns + Rank(card) - 1; }

struct Keys {
    std::array<std::array<std::uint64_t, 64>, Places> a{};
    std::array<std::array<std::uint64_t, 64>, Places> b{};
};

// Two independent 64-bit keys per position make a mistaken "seen before", which could hide a
// win, far too unlikely to matter even over millions of positions.
const Keys& ZobristKeys() {
    static const Keys keys = [] {
        Keys k;
        std::uint64_t state = 0x9E3779B97F4A7C15ull;
        for (auto& place : k.a) {
            for (auto& key : place) key = SplitMix(state);
        }
        for (auto& place : k.b) {
            for (auto& key : place) key = SplitMix(state);
        }
        return k;
    }();
    return keys;
}

// Open addressing over 128-bit keys; the all-zero key marks a free slot. Find gives the slot that
// holds the key or would take it; Claim fills it, as long as nothing was added in between.
class VisitedSet {
public:
    using Key = std::pair<std::uint64_t, std::uint64_t>;

    VisitedSet() : entries(std::size_t{1} << 16), mask(entries.size() - 1) {}

    Key* Find(std::uint64_t a, std::uint64_t b) {
        if ((used + 1) * 2 > entries.size()) Grow();
        for (std::size_t i = a & mask;; i = (i + 1) & mask) {
            Key& slot = entries[i];
            if ((slot.first == 0 && slot.second == 0) || (slot.first == a && slot.second == b)) return &slot;
        }
    }
    // Asks for the slot a key would start at ahead of time, so that the memory access overlaps
    // with other work: the table is far larger than any cache.
    void Prefetch(std::uint64_t a) const { __builtin_prefetch(&entries[a & mask]); }
    static bool Taken(const Key* slot) { return slot->first != 0 || slot->second != 0; }
    void Claim(Key* slot, std::uint64_t a, std::uint64_t b) {
        *slot = {a, b};
        ++used;
    }
    bool Insert(std::uint64_t a, std::uint64_t b) {
        Key* slot = Find(a, b);
        if (Taken(slot)) return false;
        Claim(slot, a, b);
        return true;
    }

private:
    void Grow() {
        std::vector<Key> old(entries.size() * 2);
        old.swap(entries);
        mask = entries.size() - 1;
        used = 0;
        for (const Key& key : old) {
            if (Taken(&key)) Claim(Find(key.first, key.second), key.first, key.second);
        }
    }

    std::vector<Key> entries;
    std::size_t mask;
    std::size_t used = 0;
};

struct Step {
    std::uint8_t from;
    std::uint8_t to;
};

// The position as the search changes it, with what keeps each step cheap: where every card is,
// where the gaps are, how far each row's ordered run reaches, and the position's keys.
class State {
public:
    explicit State(const Position& position) {
        loc.fill(Nowhere);
        int gapCount = 0;
        for (int row = 0; row < Position::Rows; ++row) {
            for (int column = 0; column < Columns; ++column) {
                const int place = row * Columns + column;
                const std::uint8_t card = position.At(column, row);
                cells[static_cast<std::size_t>(place)] = card;
                if (card != 0) {
                    loc[card] = static_cast<std::uint8_t>(place);
                    if (place == Home(card)) ++home;
                    keyA ^= keys.a[static_cast<std::size_t>(place)][card];
                    keyB ^= keys.b[static_cast<std::size_t>(place)][card];
                } else if (column > 0 && gapCount < 4) {
                    gaps[static_cast<std::size_t>(gapCount++)] = static_cast<std::uint8_t>(place);
                }
            }
            first[static_cast<std::size_t>(row)] = RunEnd(row, 1);
        }
        gapTotal = gapCount;
    }

    bool Won() const { return home == 52; }
    int RunCards() const { return first[0] + first[1] + first[2] + first[3] - 4; }
    // The run ends packed four bits each; no end passes column 13.
    int RunKey() const { return first[0] | first[1] << 4 | first[2] << 8 | first[3] << 12; }
    RunReach Reach(const std::vector<Step>& path) const;
    std::uint64_t KeyA() const { return keyA; }
    std::uint64_t KeyB() const { return keyB; }
    // The first key after a move, without making it.
    std::uint64_t KeyAAfter(const Step& step) const {
        const std::uint8_t card = cells[step.from];
        return keyA ^ keys.a[step.from][card] ^ keys.a[step.to][card];
    }

    // Fills moves best first and returns their number.
    int Generate(std::array<Step, 8>& out) const {
        std::array<int, 8> score{};
        int count = 0;
        for (int i = 0; i < gapTotal; ++i) {
            const int gap = gaps[static_cast<std::size_t>(i)];
            const int column = gap % Columns;
            const std::uint8_t left = cells[static_cast<std::size_t>(gap - 1)];
            std::uint8_t fromLeft = 0;
            if (left != 0 && Rank(left) < 13) {
                fromLeft = static_cast<std::uint8_t>(left + 1);
                Add(out, score, count, fromLeft, gap);
            }
            if (column < Columns - 1) {
                const std::uint8_t right = cells[static_cast<std::size_t>(gap + 1)];
                if (right != 0 && Rank(right) > 2 && right - 1 != fromLeft) {
                    Add(out, score, count, static_cast<std::uint8_t>(right - 1), gap);
                }
            }
        }
        // Insertion sort, stable, so equal moves keep the order of the gaps.
        for (int i = 1; i < count; ++i) {
            const Step step = out[static_cast<std::size_t>(i)];
            const int value = score[static_cast<std::size_t>(i)];
            int j = i;
            for (; j > 0 && score[static_cast<std::size_t>(j - 1)] < value; --j) {
                out[static_cast<std::size_t>(j)] = out[static_cast<std::size_t>(j - 1)];
                score[static_cast<std::size_t>(j)] = score[static_cast<std::size_t>(j - 1)];
            }
            out[static_cast<std::size_t>(j)] = step;
            score[static_cast<std::size_t>(j)] = value;
        }
        return count;
    }

    // Moves the card at from into the gap at to; the same call with the places swapped undoes it.
    void Do(int from, int to) {
        const std::uint8_t card = cells[static_cast<std::size_t>(from)];
        cells[static_cast<std::size_t>(to)] = card;
        cells[static_cast<std::size_t>(from)] = 0;
        loc[card] = static_cast<std::uint8_t>(to);
        for (auto& gap : gaps) {
            if (gap == to) {
                gap = static_cast<std::uint8_t>(from);
                break;
            }
        }
        keyA ^= keys.a[static_cast<std::size_t>(from)][card] ^ keys.a[static_cast<std::size_t>(to)][card];
        keyB ^= keys.b[static_cast<std::size_t>(from)][card] ^ keys.b[static_cast<std::size_t>(to)][card];
        const int homePlace = Home(card);
        const int fromRow = from / Columns;
        const int fromColumn = from % Columns;
        if (from == homePlace) {
            --home;
            // Only the last card of a run can leave it.
            if (fromColumn < first[static_cast<std::size_t>(fromRow)]) first[static_cast<std::size_t>(fromRow)] = fromColumn;
        }
        if (to == homePlace) {
            ++home;
            const int toRow = to / Columns;
            if (to % Columns == first[static_cast<std::size_t>(toRow)]) {
                first[static_cast<std::size_t>(toRow)] = RunEnd(toRow, to % Columns + 1);
            }
        }
    }

private:
    int RunEnd(int row, int column) const {
        while (column < Columns - 1 && cells[static_cast<std::size_t>(row * Columns + column)] == Position::Code(row, column + 1)) {
            ++column;
        }
        return column;
    }

    void Add(std::array<Step, 8>& out, std::array<int, 8>& score, int& count, std::uint8_t card, int gap) const {
        const int from = loc[card];
        if (from == Nowhere || from % Columns == 0) return;
        const int fromRow = from / Columns;
        const int fromColumn = from % Columns;
        int value = 0;
        if (gap == Home(card)) value += gap % Columns == first[static_cast<std::size_t>(gap / Columns)] ? 8 : 2;
        if (from == Home(card) && fromColumn < first[static_cast<std::size_t>(fromRow)]) value -= 8;
        // Leaving the place right of a run's end lets the run's next card in.
        if (fromColumn == first[static_cast<std::size_t>(fromRow)]) value += 3;
        // A gap right of a king takes a card only from its right.
        const std::uint8_t left = cells[static_cast<std::size_t>(from - 1)];
        if (left != 0 && Rank(left) == 13) value -= 2;
        out[static_cast<std::size_t>(count)] = {static_cast<std::uint8_t>(from), static_cast<std::uint8_t>(gap)};
        score[static_cast<std::size_t>(count)] = value;
        ++count;
    }

    const Keys& keys = ZobristKeys();
    std::array<std::uint8_t, Places> cells{};
    std::array<std::uint8_t, 64> loc{};
    std::array<std::uint8_t, 4> gaps{};
    std::array<int, Position::Rows> first{};
    int gapTotal = 0;
    int home = 0;
    std::uint64_t keyA = 0;
    // Never zero in practice, so no position's key is the free-slot marker.
    std::uint64_t keyB = 0x5DEECE66Dull;
};

// Remembers the first line found to each set of run ends.
class RunTracker {
public:
    void See(const State& state, const std::vector<Step>& path) {
        int& index = indexOf[static_cast<std::size_t>(state.RunKey())];
        if (index >= 0) return;
        index = static_cast<int>(reached.size());
        reached.push_back(state.Reach(path));
    }
    std::vector<RunReach> Take() { return std::move(reached); }

private:
    std::vector<int> indexOf = std::vector<int>(std::size_t{1} << 16, -1);
    std::vector<RunReach> reached;
};

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

RunReach State::Reach(const std::vector<Step>& path) const {
    RunReach reach;
    for (std::size_t row = 0; row < reach.runEnds.size(); ++row) reach.runEnds[row] = static_cast<std::uint8_t>(first[row]);
    reach.line = ToLine(path);
    return reach;
}

struct Frame {
    std::array<Step, 8> steps;
    int count = 0;
    int next = 0;
};

}  // namespace

std::uint64_t SplitMix(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

Position Position::FromBoard(const Board& board) {
    Position position;
    for (int row = 0; row < Rows; ++row) {
        for (int column = 0; column < Columns; ++column) {
            const CardPile& place = board.Place(column, row);
            if (place.Count() != 0) {
                position.cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = Code(place.TopSuit(), place.TopRank());
            }
        }
    }
    return position;
}

int Moves(const Position& position, MoveList& moves) {
    std::array<Step, 8> steps{};
    const int count = State(position).Generate(steps);
    for (int i = 0; i < count; ++i) moves[static_cast<std::size_t>(i)] = ToMove(steps[static_cast<std::size_t>(i)]);
    return count;
}

void Apply(Position& position, const Move& move) {
    auto& from = position.cells[move.fromRow][move.fromColumn];
    position.cells[move.toRow][move.toColumn] = from;
    from = 0;
}

void Undo(Position& position, const Move& move) {
    auto& to = position.cells[move.toRow][move.toColumn];
    position.cells[move.fromRow][move.fromColumn] = to;
    to = 0;
}

bool IsWon(const Position& position) {
    return State(position).Won();
}

int RunCards(const Position& position) {
    return State(position).RunCards();
}

SolveResult Solve(const Position& start, const Budget& budget) {
    SolveResult result;
    State state(start);
    result.positions = 1;
    if (state.Won()) {
        result.status = SolveStatus::Solved;
        return result;
    }

    VisitedSet visited;
    visited.Insert(state.KeyA(), state.KeyB());
    std::vector<Frame> stack(1);
    stack.reserve(256);
    stack.back().count = state.Generate(stack.back().steps);
    std::vector<Step> path;
    std::optional<RunTracker> runs;
    if (budget.trackRuns) {
        runs.emplace();
        runs->See(state, path);
    }
    const auto finish = [&](SolveStatus status) {
        result.status = status;
        if (runs) result.reached = runs->Take();
        return std::move(result);
    };

    std::uint32_t sinceCheck = 0;
    while (!stack.empty()) {
        if (++sinceCheck == 512) {
            sinceCheck = 0;
            if (budget.stop != nullptr && budget.stop->load(std::memory_order_relaxed)) return finish(SolveStatus::Stopped);
            if (budget.deadline && std::chrono::steady_clock::now() >= *budget.deadline) {
                return finish(SolveStatus::BudgetExhausted);
            }
        }
        Frame& frame = stack.back();
        if (frame.next == frame.count) {
            stack.pop_back();
            if (!path.empty()) {
                state.Do(path.back().to, path.back().from);
                path.pop_back();
            }
            continue;
        }
        const Step step = frame.steps[static_cast<std::size_t>(frame.next++)];
        state.Do(step.from, step.to);
        if (state.Won()) {
            path.push_back(step);
            result.line = ToLine(path);
            ++result.positions;
            return finish(SolveStatus::Solved);
        }
        VisitedSet::Key* slot = visited.Find(state.KeyA(), state.KeyB());
        if (VisitedSet::Taken(slot)) {
            state.Do(step.to, step.from);
            continue;
        }
        Frame child;
        child.count = state.Generate(child.steps);
        const bool deadEnd = child.count == 0;
        // A position without moves is only ever a loss: no need to remember it.
        if (!(budget.prune && deadEnd)) visited.Claim(slot, state.KeyA(), state.KeyB());
        if (result.positions >= budget.maxPositions) return finish(SolveStatus::BudgetExhausted);
        ++result.positions;
        path.push_back(step);
        if (runs) runs->See(state, path);
        if (deadEnd) {
            path.pop_back();
            state.Do(step.to, step.from);
            continue;
        }
        for (int i = 0; i < child.count; ++i) visited.Prefetch(state.KeyAAfter(child.steps[static_cast<std::size_t>(i)]));
        stack.push_back(child);
    }
    return finish(SolveStatus::NoSolution);
}
