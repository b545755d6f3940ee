#include "game/GameFlow.h"

#include <utility>

#include "cards/BusyWait.h"
#include "cards/Random.h"
#include "game/Board.h"
#include "game/BoardHost.h"
#include "game/Statistics.h"

GameFlow::GameFlow(Board& boardRef, BoardHost& hostRef, Statistics& statisticsRef)
    : board(boardRef), host(hostRef), statistics(statisticsRef) {}

bool GameFlow::GiveUpCurrent() {
    if (board.State() == GameState::Over) return true;
    if (!host.ConfirmGiveUp()) return false;
    host.PlayCue(SoundCue::GiveUp);
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
    GeneratorSeed = board.DealSeed();
    board.Deal();
}

void GameFlow::PlayDeal(std::uint32_t number) {
    if (!GiveUpCurrent()) return;
    GeneratorSeed = number;
    board.Deal();
}

void GameFlow::DealWon() {
    host.PlayCue(SoundCue::Won);
    // Counted and kept before the message shows: a run that ends while it is up keeps the win.
    // The score follows the message, as the player has always seen it.
    Count(true);
    board.SetState(GameState::Over);
    host.ShowWonMessage();
    host.RefreshScore();
}

void GameFlow::CountGame(bool won) {
    Count(won);
    host.RefreshScore();
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
