#pragma once

#include <QObject>

#include <atomic>
#include <cstdint>
#include <optional>
#include <thread>
#include <vector>

#include "game/Language.h"
#include "rules/Position.h"
#include "solver/Solver.h"

class Board;
class BoardHost;
class QLabel;
class QWidget;

// The H key. After every deal, reshuffle and move the hint looks, off the user-interface thread
// and from a copy of the layout, for a line that wins the round without a reshuffle; the next
// change of the board cancels that search and starts the next. A short search answers first, a
// long one goes on behind it when the short one found no sure line. H shows the next move of the
// line at once with the hint frames around the card and its gap; before the first answer, the
// pointer shows it is busy. A player who follows the line keeps it: no new search is needed. When
// no sure line is known, H frames the move that got furthest and says, in a small message, that it
// is not proven; when a search saw every position, it says that the round cannot be won that way.
// The next click or key press takes the frames and the message away before it is handled, so a
// hint never goes stale.
class WinningHint : public QObject {
    Q_OBJECT

public:
    WinningHint(QWidget* window, Board& board, BoardHost& host, const Language& language);
    ~WinningHint() override;

    // Called by the board after every deal, reshuffle and move.
    void PositionChanged();
    // The H key.
    void Request();
    void Dismiss();

    // Whether H waits for the search, and whether a search runs at all.
    bool Waiting() const { return waiting; }
    bool Searching() const { return worker.joinable() && !(answer && answer->last); }
    // The move whose frames are on the board, if any.
    std::optional<Move> ShownMove() const { return shown; }
    const QLabel* Message() const { return message; }
    // What the searches have found of the round on the board: nothing while none has answered
    // for it, or while a longer search still goes on after a short one that ran out.
    std::optional<SolveStatus> Verdict() const;

    // How long H waits at most; and, for tests, the positions of the short and the long search.
    static constexpr int GuardMilliseconds = 2000;
    void SetPositions(std::uint64_t quick, std::uint64_t full) {
        quickPositions = quick;
        fullPositions = full;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What a finished search found for the layout it started from.
    struct Answer {
        Position from;
        SolveStatus status = SolveStatus::BudgetExhausted;
        // The winning line when solved, else the line to the most run cards seen.
        std::vector<Move> line;
        // No later answer follows for this layout.
        bool last = true;
    };

    bool InPlay() const;
    void StartSearch();
    void StopSearch();
    void Finish(int search, Answer found);
    void Show();
    void GuardExpired(int search);
    void Say(const QString& german, const QString& english);
    void Frames(std::uint32_t colorRef);
    void Busy(bool on);
    void Filter(bool on);

    QWidget* window;
    Board& board;
    BoardHost& host;
    const Language& language;
    QLabel* message;
    std::thread worker;
    std::atomic_bool stop{false};
    int generation = 0;
    // The layout the running search started from.
    Position searchFrom;
    std::optional<Answer> answer;
    bool waiting = false;
    bool busy = false;
    bool filtering = false;
    std::optional<Move> shown;
    std::uint64_t quickPositions = HintQuickPositions;
    std::uint64_t fullPositions = HintFullPositions;
};
