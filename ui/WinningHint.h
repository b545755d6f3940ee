#pragma once

#include <QObject>

#include <atomic>
#include <optional>
#include <thread>

#include "game/Language.h"
#include "solver/Solver.h"

class Board;
class BoardHost;
class QLabel;
class QWidget;

// The H key: looks for a line that wins the round without a reshuffle, off the user-interface
// thread, and shows its next move with the hint frames around the card and its gap; or says in a
// small message that the round cannot be won that way. The next click or key press cancels the
// search and takes frames and message away before it is handled, so a hint never goes stale and
// never holds up play.
class WinningHint : public QObject {
    Q_OBJECT

public:
    WinningHint(QWidget* window, Board& board, BoardHost& host, const Language& language);
    ~WinningHint() override;

    void Request();
    void Dismiss();

    bool Searching() const { return searching; }
    // The move whose frames are on the board, if any.
    std::optional<Move> ShownMove() const { return shown; }
    const QLabel* Message() const { return message; }

    // Per round of searching: positions and seconds.
    static constexpr std::uint64_t MaxPositions = 6'000'000;
    static constexpr int MaxMilliseconds = 4000;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Finish(int search, SolveStatus status, std::optional<Move> first);
    void Say(const QString& german, const QString& english);
    void Frames(std::uint32_t colorRef);
    void StopWorker();

    QWidget* window;
    Board& board;
    BoardHost& host;
    const Language& language;
    QLabel* message;
    std::thread worker;
    std::atomic_bool stop{false};
    int generation = 0;
    bool searching = false;
    bool filtering = false;
    std::optional<Move> shown;
};
