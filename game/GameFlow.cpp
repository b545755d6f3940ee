#include "game/GameFlow.h"

#include <utility>

#include "base/Statistics.h"
#include "cards/BusyWait.h"
#include "cards/RandomSource.h"
#include "game/Board.h"
#include "game/CuePlayer.h"
#include "game/PlayerQuestions.h"
#include "game/ScoreDisplay.h"

GameFlow::GameFlow(Board& boardRef, PlayerQuestions& playerQuestions, CuePlayer& cuePlayer,
                   ScoreDisplay& scoreDisplay, Statistics& statisticsRef)
    : board(boardRef),
      questions(playerQuestions),
      cues(cuePlayer),
      score(scoreDisplay),
      statistics(statisticsRef) {}

bool GameFlow::GiveUpCurrent() {
    if (board.State() == GameState::Over) return true;
    if (!questions.ConfirmGiveUp()) return false;
    cues.PlayCue(SoundCue::GiveUp);
    if (board.State() == GameState::Started) CountGame(false);
    BusyWait(500);
    return true;
}

void GameFlow::NewGame() {
    if (!GiveUpCurrent()) return;
    board.Deal();
}

void GameFlow::ResetGame() {
    if (!GiveUpCurrent()) return;
    board.Generator().GeneratorSeed = board.DealSeed();
    board.Deal();
}

void GameFlow::PlayDeal(std::uint32_t number) {
    if (!GiveUpCurrent()) return;
    board.Generator().GeneratorSeed = number;
    board.Deal();
}

void GameFlow::DealWon() {
    cues.PlayCue(SoundCue::Won);
    // Counted and kept before the message shows: a run that ends while it is up keeps the win.
    // The score follows the message, as the player has always seen it.
    Count(true);
    board.SetState(GameState::Over);
    questions.ShowWonMessage();
    score.RefreshScore();
}

void GameFlow::CountGame(bool won) {
    Count(won);
    score.RefreshScore();
}

void GameFlow::Count(bool won) {
    if (won) {
        statistics.CountWon();
    } else {
        statistics.CountLost();
    }
    if (countListener) countListener();
}

void GameFlow::SetCountListener(std::function<void()> listener) {
    countListener = std::move(listener);
}

void GameFlow::Leave() {
    if (board.State() == GameState::Started) CountGame(false);
}
