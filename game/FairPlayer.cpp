#include "game/FairPlayer.h"

#include "game/HeadlessGame.h"

FairPlayer::Outcome FairPlayer::Play(HeadlessGame& game) const {
    Outcome outcome;
    for (int round = 0;; ++round) {
        Budget budget;
        budget.maxPositions = options.maxPositions;
        budget.deadline = std::chrono::steady_clock::now() + options.timePerRound;
        budget.stop = options.stop;
        budget.trackBest = game.ReshufflesLeft() > 0;
        const SolveResult result = Solve(Position::FromBoard(game.GetBoard()), budget);
        outcome.positions += result.positions;
        if (round == 0) outcome.firstRound = result.status;
        if (result.status == SolveStatus::Stopped) {
            outcome.stopped = true;
            return outcome;
        }
        if (result.status == SolveStatus::Solved) {
            outcome.won = Walk(game, result.line, outcome) && game.GetBoard().IsWon();
            return outcome;
        }
        if (game.ReshufflesLeft() == 0 || !Walk(game, result.bestLine, outcome)) return outcome;
        game.Reshuffle();
        ++outcome.reshufflesUsed;
        Step reshuffle;
        reshuffle.reshuffle = true;
        outcome.steps.push_back(reshuffle);
    }
}

bool FairPlayer::Walk(HeadlessGame& game, const std::vector<Move>& line, Outcome& outcome) const {
    for (const Move& move : line) {
        const CardPile& from = game.GetBoard().Place(move.fromColumn, move.fromRow);
        Step step;
        step.move = move;
        step.suit = from.TopSuit();
        step.rank = from.TopRank();
        // The search follows the same rule as the board, so a refusal here is a fault in it.
        if (!game.Play(move)) return false;
        outcome.steps.push_back(step);
    }
    return true;
}
