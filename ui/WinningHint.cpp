#include "ui/WinningHint.h"

#include <malloc.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <QWidget>

#include "game/Board.h"
#include "game/PointerPlay.h"
#include "game/TableDrawing.h"
#include "platform/QueuedCall.h"

namespace {

// (German, English)
const char* const NoWinGerman = "Diese Runde ist ohne Neumischen nicht zu gewinnen.";
const char* const NoWinEnglish = "This round cannot be won without a reshuffle.";
const char* const LostGerman = "Dieses Spiel ist nicht mehr zu gewinnen.";
const char* const LostEnglish = "This deal cannot be won any more.";
const char* const NotProvenGerman = "Nicht sicher: Dieser Zug kam bisher am weitesten.";
const char* const NotProvenEnglish = "Not proven to win: this move got furthest so far.";
const char* const NotFoundGerman = "Es fand sich kein Weg zum Gewinn.";
const char* const NotFoundEnglish = "No winning line was found.";
const char* const NoNewMoveGerman = "Kein neuer Zug: Jeder Zug führt zu einer Lage dieser Runde zurück.";
const char* const NoNewMoveEnglish = "No new move: every move leads back to a position of this round.";

// The search runs beside the game, not ahead of it: the game's own thread (its slides and pauses
// included) comes first when both want the processor.
void YieldToTheGame() {
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 10);
}

// Whether a search from here could still tell more: a short one when none looked yet, a long one
// when the answer is unproven and no long search stands behind it.
bool MoreToLearn(const HintAnswer* known) {
    return known == nullptr || !known->searched || (!known->Proven() && !known->settled);
}

}  // namespace

WinningHint::WinningHint(QWidget* parentWindow, Board& gameBoard, TableDrawing& tableDrawing,
                         const Language& chosen)
    : window(parentWindow),
      board(gameBoard),
      drawing(tableDrawing),
      language(chosen),
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
    // The search looks at the flag often, so this join is short.
    stop = true;
    if (worker.joinable()) worker.join();
}

void WinningHint::PositionChanged() {
    StopSearch();
    ++generation;
    // What H looked for belongs to the layout that is gone.
    StopLooking();
    Clear();
    if (board.Round() != round) {
        round = board.Round();
        memory.Clear();
    }
    if (!InPlay()) return;
    current = board.Layout();
    memory.Enter(current);
    const HintAnswer* known = memory.Known(current);
    // Behind a move only the short search runs; the long one waits for H.
    if (known == nullptr || !known->searched) StartSearch(false);
}

void WinningHint::StartSearch(bool full) {
    stop = false;
    fullSearch = full;
    const int search = generation;
    const Position start = current;
    const std::uint64_t positions = full ? fullPositions : quickPositions;
    worker = std::thread([this, search, start, positions, full] {
        YieldToTheGame();
        Budget budget;
        budget.maxPositions = positions;
        budget.stop = &stop;
        budget.trackRuns = true;
        HintAnswer found = Digest(start, Solve(start, budget), full);
#ifdef __GLIBC__
        // What the search freed stays in this thread's arena, and each search runs on a thread of
        // its own: handed back now, a long game does not keep one search's leftovers an arena.
        malloc_trim(0);
#endif
        QueuedCall::Post(this, [this, search, start, found = std::move(found)]() mutable {
            Finish(search, start, std::move(found));
        });
    });
}

void WinningHint::Finish(int search, const Position& from, HintAnswer found) {
    if (search != generation) return;
    if (worker.joinable()) worker.join();
    memory.Learn(from, std::move(found));
    if (!waiting) return;
    // A stop here came from the guard: H has looked long enough.
    if (!stop && MoreToLearn(memory.Known(current))) {
        StartSearch(memory.Known(current)->searched);
    } else {
        StopLooking();
    }
    Show();
}

std::optional<SolveStatus> WinningHint::Verdict() const {
    const HintAnswer* known = memory.Known(board.Layout());
    if (known == nullptr || !known->Proven()) return std::nullopt;
    return known->status;
}

void WinningHint::Request() {
    Clear();
    if (!InPlay()) {
        Dismiss();
        return;
    }
    // The board changed behind the hint's back (only ever in tests): catch up.
    if (board.Round() != round || board.Layout() != current) PositionChanged();
    Filter(true);
    const HintAnswer* known = memory.Known(current);
    if (MoreToLearn(known)) {
        if (!Searching()) StartSearch(known != nullptr && known->searched);
        Look();
    }
    if (known != nullptr && (known->searched || memory.Offer(current).HasMove())) Show();
}

void WinningHint::Look() {
    if (!waiting)
        QTimer::singleShot(GuardMilliseconds, this, [this, search = generation] { GuardExpired(search); });
    waiting = true;
    Busy(true);
}

void WinningHint::StopLooking() {
    waiting = false;
    Busy(false);
}

void WinningHint::GuardExpired(int search) {
    // The answer then is the furthest the search got: never a claim that the round is lost.
    if (search == generation && waiting) stop = true;
}

void WinningHint::Show() {
    Clear();
    const HintOffer offer = memory.Offer(current);
    switch (offer.kind) {
        case HintOffer::Kind::None:
            return;
        case HintOffer::Kind::Winning:
        case HintOffer::Kind::Unproven:
            shown = offer.move;
            Frames(drawing.FrameColor());
            if (offer.kind == HintOffer::Kind::Unproven)
                Say(QString::fromUtf8(NotProvenGerman), QString::fromUtf8(NotProvenEnglish));
            return;
        case HintOffer::Kind::Lost:
            if (board.ReshufflesLeft() > 0) {
                Say(QString::fromUtf8(NoWinGerman), QString::fromUtf8(NoWinEnglish));
            } else {
                Say(QString::fromUtf8(LostGerman), QString::fromUtf8(LostEnglish));
            }
            return;
        case HintOffer::Kind::NoNewMove:
            Say(QString::fromUtf8(NoNewMoveGerman), QString::fromUtf8(NoNewMoveEnglish));
            return;
        case HintOffer::Kind::NoLine:
            Say(QString::fromUtf8(NotFoundGerman), QString::fromUtf8(NotFoundEnglish));
            return;
    }
}

void WinningHint::Clear() {
    if (shown) {
        Frames(drawing.BackgroundColor());
        shown.reset();
    }
    message->hide();
}

void WinningHint::Dismiss() {
    // The long search runs only while H waits for it.
    if (fullSearch && Searching()) {
        StopSearch();
        ++generation;
    }
    StopLooking();
    Clear();
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
    Surface* surface = drawing.DrawingSurface();
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
