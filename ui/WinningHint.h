#pragma once

#include <QObject>
#include <atomic>
#include <cstdint>
#include <optional>
#include <thread>

#include "base/Language.h"
#include "rules/Position.h"
#include "solver/RoundHints.h"
#include "solver/Solver.h"

class Board;
class TableDrawing;
class QLabel;
class QWidget;

// The H key. After every deal, reshuffle and move the hint looks, off the user-interface thread
// and from a copy of the layout, for a line that wins the round without a reshuffle. The search
// that runs behind every move is a short one; a long one runs only while H waits for a better
// answer. A player who follows a line keeps it, and undo and redo come back to what is known, so
// most moves need no search at all. H shows the next move of the best line known at once, with
// the hint frames around the card and its gap; while it still looks, the pointer says so, and a
// better answer takes the frames' place as it comes. When no sure line is known, H frames the
// move that got furthest and says, in a small message, that it is not proven; such a move never
// leads back to a position the round has been in. When a search saw every position, it says that
// the round cannot be won that way, or, with no reshuffle left, that the deal is lost. The next
// click or key press takes the frames and the message away before it is handled, so a hint never
// goes stale.
class WinningHint : public QObject {
    Q_OBJECT

public:
    WinningHint(QWidget* window, Board& board, TableDrawing& drawing, const Language& language);
    ~WinningHint() override;

    // Called by the board after every deal, reshuffle and move.
    void PositionChanged();
    // The H key.
    void Request();
    void Dismiss();

    // Whether H still looks for an answer (the pointer says so), and whether a search runs at all.
    bool Waiting() const { return waiting; }
    bool Searching() const { return worker.joinable(); }
    // The move whose frames are on the board, if any.
    std::optional<Move> ShownMove() const { return shown; }
    const QLabel* Message() const { return message; }
    // What the searches have proven of the round on the board: nothing while no search has
    // answered for it, or while what they found is not proven either way.
    std::optional<SolveStatus> Verdict() const;

    // How long H looks at most; and, for tests, the positions of the short and the long search.
    static constexpr int GuardMilliseconds = 2000;
    void SetPositions(std::uint64_t quick, std::uint64_t full) {
        quickPositions = quick;
        fullPositions = full;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool InPlay() const;
    void StartSearch(bool full);
    void StopSearch();
    void Finish(int search, const Position& from, HintAnswer found);
    void Look();
    void StopLooking();
    void Show();
    void Clear();
    void GuardExpired(int search);
    void Say(const QString& german, const QString& english);
    void Frames(std::uint32_t colorRef);
    void Busy(bool on);
    void Filter(bool on);

    QWidget* window;
    Board& board;
    TableDrawing& drawing;
    const Language& language;
    QLabel* message;
    std::thread worker;
    std::atomic_bool stop{false};
    // Counts the searches: an answer from one that is no longer wanted is dropped.
    int generation = 0;
    bool fullSearch = false;
    RoundHints memory;
    int round = -1;
    // The layout the hint last followed.
    Position current;
    bool waiting = false;
    bool busy = false;
    bool filtering = false;
    std::optional<Move> shown;
    std::uint64_t quickPositions = HintQuickPositions;
    std::uint64_t fullPositions = HintFullPositions;
};
