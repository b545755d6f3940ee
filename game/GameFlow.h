#pragma once

#include <cstdint>
#include <functional>

class Board;
class CuePlayer;
class PlayerQuestions;
class ScoreDisplay;
struct Statistics;

// The course of a game from deal to deal: new deal and replay with the give-up question, and
// the counting of won and lost deals.
class GameFlow {
public:
    GameFlow(Board& board, PlayerQuestions& questions, CuePlayer& cues, ScoreDisplay& score,
             Statistics& statistics);

    void NewGame();
    // Deals the previous layout again.
    void ResetGame();
    // Deals the layout of that number, as the command line's choice of deal does; asks first,
    // like a new deal, when a deal is in play.
    void PlayDeal(std::uint32_t number);
    // A won deal: the win counted, no deal in play, the won message.
    void DealWon();
    void CountGame(bool won);
    // Told of every game counted, right after the statistics took it in: keeps it for later runs.
    void SetCountListener(std::function<void()> listener);
    // The program is closing: a started deal counts as lost.
    void Leave();

private:
    // Returns false when the player keeps the deal in play.
    bool GiveUpCurrent();
    // Into the statistics and on to the listener, without refreshing the score.
    void Count(bool won);

    Board& board;
    PlayerQuestions& questions;
    CuePlayer& cues;
    ScoreDisplay& score;
    Statistics& statistics;
    std::function<void()> countListener;
};
