#include "solver/FairPlayer.h"

#include "solver/HeadlessGame.h"

namespace {

// The trial reshuffles depend on the table alone, so a deal always plays the same way.
std::uint64_t Seed(const Position& position) {
    std::uint64_t hash = 0xCBF29CE484222325ull;
    for (const std::uint8_t card : position.cells) hash = (hash ^ card) * 0x100000001B3ull;
    return hash;
}

}  // namespace

FairPlayer::Outcome FairPlayer::Play(HeadlessGame& game) const {
    Outcome outcome;
    for (int round = 0;; ++round) {
        const auto started = std::chrono::steady_clock::now();
        const bool mayReshuffle = game.ReshufflesLeft() > 0;
        const Position position = game.Layout();
        Budget budget;
        budget.maxPositions = options.maxPositions;
        if (options.timePerRound) {
            // A quarter of the round's time stays for the trial reshuffles.
            budget.deadline =
                started + (mayReshuffle ? *options.timePerRound * 3 / 4 : *options.timePerRound);
        }
        budget.stop = options.stop;
        budget.trackRuns = mayReshuffle;
        const SolveResult result = Solve(position, budget);
        outcome.positions += result.positions;
        if (round == 0) outcome.firstRound = result.status;
        if (result.status == SolveStatus::Stopped) {
            outcome.stopped = true;
            return outcome;
        }
        if (result.status == SolveStatus::Solved) {
            outcome.won = Walk(game, result.line, outcome) && game.Layout().IsWon();
            return outcome;
        }
        if (!mayReshuffle || result.reached.empty()) return outcome;
        ReshuffleChooser::Options trials;
        trials.maxPositions = options.reshufflePositions;
        if (options.timePerRound) trials.deadline = started + *options.timePerRound;
        trials.stop = options.stop;
        ReshuffleChooser chooser(trials);
        const std::size_t chosen = chooser.Choose(result.reached, Seed(position));
        outcome.positions += chooser.Positions();
        if (options.stop != nullptr && options.stop->load()) {
            outcome.stopped = true;
            return outcome;
        }
        if (!Walk(game, result.reached[chosen].line, outcome)) return outcome;
        game.Reshuffle();
        ++outcome.reshufflesUsed;
        Step reshuffle;
        reshuffle.reshuffle = true;
        outcome.steps.push_back(reshuffle);
    }
}

bool FairPlayer::Walk(HeadlessGame& game, const std::vector<Move>& line, Outcome& outcome) const {
    for (const Move& move : line) {
        const std::uint8_t card = game.Layout().At(move.fromColumn, move.fromRow);
        Step step;
        step.move = move;
        step.suit = Position::Suit(card);
        step.rank = Position::Rank(card);
        // The search follows the same rule as the board, so a refusal here is a fault in it.
        if (!game.Play(move)) return false;
        outcome.steps.push_back(step);
    }
    return true;
}
