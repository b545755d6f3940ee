#include "solver/RoundHints.h"

#include <algorithm>

#include "solver/SearchState.h"

namespace {

Position After(Position position, const Move& move) {
    position.Apply(move);
    return position;
}

// Keeps the further of two lines with the same first move; on a tie the one known before, so that
// a player who follows a line is not sent along another that gets no further.
void Merge(std::vector<HintLine>& lines, HintLine line) {
    const auto same = std::find_if(lines.begin(), lines.end(), [&](const HintLine& kept) {
        return kept.moves.front() == line.moves.front();
    });
    if (same == lines.end()) {
        lines.push_back(std::move(line));
    } else if (line.reach > same->reach) {
        *same = std::move(line);
    }
    std::stable_sort(lines.begin(), lines.end(),
                     [](const HintLine& a, const HintLine& b) { return a.reach > b.reach; });
}

}  // namespace

HintAnswer Digest(const Position& from, const SolveResult& result, bool settled) {
    HintAnswer answer;
    answer.status = result.status;
    answer.searched = true;
    answer.settled = settled || answer.Proven();
    if (result.status == SolveStatus::Solved) {
        answer.lines.push_back({result.line, Position::Places});
    } else if (result.status != SolveStatus::NoSolution) {
        for (const RunReach& reach : result.reached) {
            if (reach.line.empty() || reach.RunCards() <= from.RunCards()) continue;
            Merge(answer.lines, {reach.line, reach.RunCards()});
        }
    }
    return answer;
}

void RoundHints::Clear() {
    seen.clear();
    known.clear();
    last.reset();
}

void RoundHints::Enter(const Position& now) {
    seen.insert(now);
    if (last && *last != now) Carry(*last, now);
    last = now;
}

void RoundHints::Carry(const Position& from, const Position& to) {
    const auto before = known.find(from);
    if (before == known.end()) return;
    const HintAnswer& answer = before->second;
    HintAnswer carried;
    carried.status = answer.status;
    carried.settled = answer.settled;
    if (answer.status == SolveStatus::NoSolution) {
        // Whatever follows a lost position is lost too.
        carried.searched = true;
        Learn(to, std::move(carried));
        return;
    }
    for (const HintLine& line : answer.lines) {
        if (line.moves.size() < 2 || After(from, line.moves.front()) != to) continue;
        carried.lines.push_back({{line.moves.begin() + 1, line.moves.end()}, line.reach});
        // The rest of a winning line still wins: nothing is left to search.
        carried.searched = answer.status == SolveStatus::Solved;
        Learn(to, std::move(carried));
        return;
    }
}

const HintAnswer* RoundHints::Known(const Position& at) const {
    const auto found = known.find(at);
    return found == known.end() ? nullptr : &found->second;
}

void RoundHints::Learn(const Position& at, HintAnswer found) {
    const auto [entry, fresh] = known.try_emplace(at, found);
    if (fresh) return;
    HintAnswer& answer = entry->second;
    if (answer.Proven()) return;
    if (found.Proven()) {
        answer = std::move(found);
        answer.searched = true;
        return;
    }
    for (HintLine& line : found.lines) Merge(answer.lines, std::move(line));
    answer.status = found.status;
    answer.searched = answer.searched || found.searched;
    answer.settled = answer.settled || found.settled;
}

bool RoundHints::AllMovesSeen(const Position& at) const {
    const SearchState state(at);
    StepList steps{};
    const int count = state.Generate(steps, MoveRules{});
    for (int i = 0; i < count; ++i) {
        if (!seen.contains(After(at, ToMove(steps[static_cast<std::size_t>(i)])))) return false;
    }
    return true;
}

HintOffer RoundHints::Offer(const Position& at) const {
    const HintAnswer* answer = Known(at);
    if (answer == nullptr) return {};
    if (answer->status == SolveStatus::Solved && !answer->lines.empty())
        return {HintOffer::Kind::Winning, answer->lines.front().moves.front()};
    if (answer->status == SolveStatus::NoSolution) return {HintOffer::Kind::Lost, {}};
    for (const HintLine& line : answer->lines) {
        if (line.reach > at.RunCards() && !seen.contains(After(at, line.moves.front())))
            return {HintOffer::Kind::Unproven, line.moves.front()};
    }
    return {AllMovesSeen(at) ? HintOffer::Kind::NoNewMove : HintOffer::Kind::NoLine, {}};
}
