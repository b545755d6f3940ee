#include "solver/SearchState.h"

#include "solver/SplitMix.h"

namespace {

constexpr int Columns = Position::Columns;
constexpr int Places = Position::Places;
constexpr std::uint8_t Nowhere = 0xFF;

struct Keys {
    std::array<std::array<std::uint64_t, 64>, Places> a{};
    std::array<std::array<std::uint64_t, 64>, Places> b{};
};

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

const Keys& keys = ZobristKeys();

std::size_t At(int index) { return static_cast<std::size_t>(index); }

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
            if (place == Position::Home(card)) ++home;
            keyA ^= keys.a[At(place)][card];
            keyB ^= keys.b[At(place)][card];
        } else if (place % Columns > 0 && gapCount < 4) {
            gaps[At(gapCount++)] = static_cast<std::uint8_t>(place);
        }
    }
    for (int row = 0; row < Position::Rows; ++row) first[At(row)] = board.RunEnd(row);
    gapTotal = gapCount;
}

RunReach SearchState::Reach(const std::vector<Step>& path) const {
    RunReach reach;
    for (std::size_t row = 0; row < reach.runEnds.size(); ++row) reach.runEnds[row] = static_cast<std::uint8_t>(first[row]);
    reach.line = ToLine(path);
    return reach;
}

std::uint64_t SearchState::KeyAAfter(const Step& step) const {
    const std::uint8_t card = Cell(step.from);
    return keyA ^ keys.a[step.from][card] ^ keys.a[step.to][card];
}

int SearchState::Generate(StepList& out) const {
    std::array<int, 8> score{};
    int count = 0;
    for (int i = 0; i < gapTotal; ++i) {
        const int gap = gaps[At(i)];
        const int column = gap % Columns;
        const std::array<std::uint8_t, 2> fillers = Position::Fillers(Cell(gap - 1), column < Columns - 1 ? Cell(gap + 1) : 0);
        if (fillers[0] != 0) Add(out, score, count, fillers[0], gap);
        if (fillers[1] != 0 && fillers[1] != fillers[0]) Add(out, score, count, fillers[1], gap);
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

void SearchState::Add(StepList& out, std::array<int, 8>& score, int& count, std::uint8_t card, int gap) const {
    const int from = loc[card];
    // Aces never move: they only ever stand in column 0.
    if (from == Nowhere || from % Columns == 0) return;
    const int fromRow = from / Columns;
    const int fromColumn = from % Columns;
    int value = 0;
    if (gap == Position::Home(card)) value += gap % Columns == First(gap / Columns) ? 8 : 2;
    if (from == Position::Home(card) && fromColumn < First(fromRow)) value -= 8;
    // Leaving the place right of a run's end lets the run's next card in.
    if (fromColumn == First(fromRow)) value += 3;
    // A gap right of a king takes a card only from its right.
    const std::uint8_t left = Cell(from - 1);
    if (left != 0 && Position::Rank(left) == 13) value -= 2;
    out[At(count)] = {static_cast<std::uint8_t>(from), static_cast<std::uint8_t>(gap)};
    score[At(count)] = value;
    ++count;
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
    keyA ^= keys.a[At(from)][card] ^ keys.a[At(to)][card];
    keyB ^= keys.b[At(from)][card] ^ keys.b[At(to)][card];
    const int homePlace = Position::Home(card);
    const int fromRow = from / Columns;
    const int fromColumn = from % Columns;
    if (from == homePlace) {
        --home;
        // Only the last card of a run can leave it.
        if (fromColumn < First(fromRow)) first[At(fromRow)] = fromColumn;
    }
    if (to == homePlace) {
        ++home;
        const int toRow = to / Columns;
        if (to % Columns == First(toRow)) first[At(toRow)] = board.RunEnd(toRow, to % Columns + 1);
    }
}
