#pragma once

#include <map>
#include <optional>
#include <set>
#include <vector>

#include "rules/Position.h"
#include "solver/SearchTypes.h"

// A line the hint may propose, and the run cards where it ends.
struct HintLine {
    std::vector<Move> moves;
    int reach = 0;
};

// What the searches found from one position.
struct HintAnswer {
    // Solved: the first line wins. NoSolution: the round is lost. Otherwise nothing is proven.
    SolveStatus status = SolveStatus::BudgetExhausted;
    // Unproven: for each first move the line that got furthest, furthest first.
    std::vector<HintLine> lines;
    // A short search looked from here.
    bool searched = false;
    // A long search looked from here, or from a position whose line the player followed to here:
    // a further long search would mostly find the same again.
    bool settled = false;

    bool Proven() const { return status == SolveStatus::Solved || status == SolveStatus::NoSolution; }
};

// A search's result as an answer; made on the search's thread, so the result's many lines are not
// carried across.
HintAnswer Digest(const Position& from, const SolveResult& result, bool settled);

// What H has to offer at a position.
struct HintOffer {
    enum class Kind {
        // Nothing known yet.
        None,
        Winning,
        Unproven,
        Lost,
        // Every move leads back to a position of the round.
        NoNewMove,
        // No line got further than where the round stands.
        NoLine,
    };
    Kind kind = Kind::None;
    Move move;

    bool HasMove() const { return kind == Kind::Winning || kind == Kind::Unproven; }
};

// What the hint knows of one round, from its deal or reshuffle to the next: every position the
// round has been in, and what was found from each. A player who plays the next move of a line
// takes the rest of it along, so a line is searched once and not after every move; undo and redo
// come back to positions already known. An unproven line never leads back to a position the round
// has been in: a hint that does can send the player round in circles.
class RoundHints {
public:
    void Clear();
    // The board now stands here.
    void Enter(const Position& now);
    const HintAnswer* Known(const Position& at) const;
    // Adds what a search found to what is known; a proof is never replaced.
    void Learn(const Position& at, HintAnswer found);
    HintOffer Offer(const Position& at) const;

private:
    void Carry(const Position& from, const Position& to);
    bool AllMovesSeen(const Position& at) const;

    std::set<Position> seen;
    std::map<Position, HintAnswer> known;
    std::optional<Position> last;
};
