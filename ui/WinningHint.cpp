#include "ui/WinningHint.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <QWidget>

#include <algorithm>

#include <sys/resource.h>
#include <unistd.h>

#include "game/Board.h"
#include "game/BoardHost.h"
#include "game/PointerPlay.h"
#include "platform/QueuedCall.h"

namespace {

// (German, English)
const char* const NoWinGerman = "Diese Runde ist ohne Neumischen nicht zu gewinnen.";
const char* const NoWinEnglish = "This round cannot be won without a reshuffle.";
const char* const NotProvenGerman = "Nicht sicher: Dieser Zug kam bisher am weitesten.";
const char* const NotProvenEnglish = "Not proven to win: this move got furthest so far.";
const char* const NotFoundGerman = "Es fand sich kein Weg zum Gewinn.";
const char* const NotFoundEnglish = "No winning line was found.";

// The search runs beside the game, not ahead of it: the game's own thread (its slides and pauses
// included) comes first when both want the processor.
void YieldToTheGame() {
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 10);
}

}  // namespace

WinningHint::WinningHint(QWidget* parentWindow, Board& gameBoard, BoardHost& boardHost, const Language& current)
    : window(parentWindow), board(gameBoard), host(boardHost), language(current),
      message(new QLabel(parentWindow)) {
    message->setObjectName(QStringLiteral("WinningHintMessage"));
    message->hide();
    board.SetChangeListener([this] { PositionChanged(); });
}

WinningHint::~WinningHint() {
    board.SetChangeListener({});
    StopSearch();
    Busy(false);
    Filter(false);
}

bool WinningHint::InPlay() const {
    // A card in the hand has no place to search from, and an ended deal nothing to search for.
    return board.State() != GameState::Over && board.Hand() == nullptr && !board.IsWon();
}

void WinningHint::StopSearch() {
    stop = true;
    if (worker.joinable()) worker.join();
}

void WinningHint::PositionChanged() {
    const Position now = board.Layout();
    // A player who follows the line keeps it.
    if (answer && answer->status == SolveStatus::Solved && answer->line.size() > 1) {
        Position next = answer->from;
        next.Apply(answer->line.front());
        if (next == now) {
            answer->from = now;
            answer->line.erase(answer->line.begin());
            return;
        }
    }
    StartSearch();
}

void WinningHint::StartSearch() {
    // The last search was told to stop and looks at that often, so this join is short.
    StopSearch();
    answer.reset();
    ++generation;
    if (!InPlay()) return;
    stop = false;
    const int search = generation;
    const Position start = board.Layout();
    searchFrom = start;
    const std::uint64_t quick = quickPositions;
    const std::uint64_t full = fullPositions;
    worker = std::thread([this, search, start, quick, full] {
        YieldToTheGame();
        for (const std::uint64_t positions : {quick, full}) {
            Budget budget;
            budget.maxPositions = positions;
            budget.stop = &stop;
            budget.trackRuns = true;
            const SolveResult result = Solve(start, budget);
            Answer found;
            found.from = start;
            found.status = result.status;
            found.last = result.status != SolveStatus::BudgetExhausted || positions == full;
            if (result.status == SolveStatus::Solved) {
                found.line = result.line;
            } else {
                const auto furthest = std::max_element(result.reached.begin(), result.reached.end(), [](const RunReach& a, const RunReach& b) {
                    return a.RunCards() < b.RunCards();
                });
                if (furthest != result.reached.end() && furthest->RunCards() > start.RunCards()) found.line = furthest->line;
            }
            const bool last = found.last;
            QueuedCall::Post(this, [this, search, found] { Finish(search, found); });
            if (last) return;
        }
    });
}

void WinningHint::Finish(int search, Answer found) {
    if (search != generation) return;
    // The long search may still run behind a short one's answer.
    if (found.last && worker.joinable()) worker.join();
    answer = std::move(found);
    if (waiting) Show();
}

std::optional<SolveStatus> WinningHint::Verdict() const {
    if (!answer || !answer->last || answer->from != board.Layout()) return std::nullopt;
    return answer->status;
}

void WinningHint::Request() {
    Dismiss();
    if (!InPlay()) return;
    if (answer && answer->from == board.Layout()) {
        Show();
        return;
    }
    // Nothing known for this layout yet (or it was changed behind the hint's back).
    if (!Searching() || searchFrom != board.Layout()) StartSearch();
    waiting = true;
    Busy(true);
    Filter(true);
    QTimer::singleShot(GuardMilliseconds, this, [this, search = generation] { GuardExpired(search); });
}

void WinningHint::GuardExpired(int search) {
    // The answer then is the furthest the search got: never a claim that the round is lost.
    if (search == generation && waiting) stop = true;
}

void WinningHint::Show() {
    waiting = false;
    Busy(false);
    Filter(true);
    if (answer->status == SolveStatus::NoSolution) {
        Say(QString::fromUtf8(NoWinGerman), QString::fromUtf8(NoWinEnglish));
        return;
    }
    if (answer->line.empty()) {
        Say(QString::fromUtf8(NotFoundGerman), QString::fromUtf8(NotFoundEnglish));
        return;
    }
    shown = answer->line.front();
    Frames(host.FrameColor());
    if (answer->status != SolveStatus::Solved) Say(QString::fromUtf8(NotProvenGerman), QString::fromUtf8(NotProvenEnglish));
}

void WinningHint::Dismiss() {
    waiting = false;
    Busy(false);
    if (shown) {
        Frames(host.BackgroundColor());
        shown.reset();
    }
    message->hide();
    Filter(false);
}

void WinningHint::Say(const QString& german, const QString& english) {
    // Styled when first shown: a style sheet costs the window's start more than the label does.
    if (message->styleSheet().isEmpty()) {
        message->setStyleSheet(QStringLiteral(
            "QLabel { background: #ffffe1; color: black; border: 1px solid black; padding: 4px 8px; }"));
    }
    message->setText(Pick(language, german, english));
    message->adjustSize();
    // Centred over the board, between its second and third rows.
    message->move((window->width() - message->width()) / 2, board.PlaceY(2) - 5 - message->height() / 2);
    message->raise();
    message->show();
}

void WinningHint::Frames(std::uint32_t colorRef) {
    Surface* surface = host.DrawingSurface();
    PointerPlay::FramePlace(surface, shown->fromColumn, shown->fromRow, colorRef);
    PointerPlay::FramePlace(surface, shown->toColumn, shown->toRow, colorRef);
}

void WinningHint::Busy(bool on) {
    if (on == busy || qApp == nullptr) return;
    busy = on;
    if (on) {
        QApplication::setOverrideCursor(Qt::BusyCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

void WinningHint::Filter(bool on) {
    if (on == filtering || qApp == nullptr) return;
    filtering = on;
    if (on) {
        qApp->installEventFilter(this);
    } else {
        qApp->removeEventFilter(this);
    }
}

bool WinningHint::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick || type == QEvent::KeyPress) {
        Dismiss();
    }
    return QObject::eventFilter(watched, event);
}
