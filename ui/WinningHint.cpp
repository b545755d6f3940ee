#include "ui/WinningHint.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QWidget>

#include "game/Board.h"
#include "game/BoardHost.h"
#include "game/PointerPlay.h"

namespace {

// (German, English)
const char* const NoWinGerman = "Diese Runde ist ohne Neumischen nicht zu gewinnen.";
const char* const NoWinEnglish = "This round cannot be won without a reshuffle.";
const char* const NotFoundGerman = "In der Bedenkzeit fand sich kein Weg zum Gewinn.";
const char* const NotFoundEnglish = "No winning line was found in the time allowed.";

}  // namespace

WinningHint::WinningHint(QWidget* parentWindow, Board& gameBoard, BoardHost& boardHost, const Language& current)
    : window(parentWindow), board(gameBoard), host(boardHost), language(current),
      message(new QLabel(parentWindow)) {
    message->setObjectName(QStringLiteral("WinningHintMessage"));
    message->hide();
}

WinningHint::~WinningHint() {
    StopWorker();
    if (filtering && qApp != nullptr) qApp->removeEventFilter(this);
}

void WinningHint::StopWorker() {
    stop = true;
    if (worker.joinable()) worker.join();
}

void WinningHint::Request() {
    Dismiss();
    if (board.State() == GameState::Over || board.Hand() != nullptr || board.IsWon()) return;
    // The last search was told to stop by Dismiss and checks that often, so this join is short.
    StopWorker();
    stop = false;
    searching = true;
    const int search = ++generation;
    const Position position = Position::FromBoard(board);
    worker = std::thread([this, search, position] {
        Budget budget;
        budget.maxPositions = MaxPositions;
        budget.deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(MaxMilliseconds);
        budget.stop = &stop;
        const SolveResult result = Solve(position, budget);
        std::optional<Move> first;
        if (!result.line.empty()) first = result.line.front();
        QMetaObject::invokeMethod(
            this, [this, search, status = result.status, first] { Finish(search, status, first); },
            Qt::QueuedConnection);
    });
    if (!filtering && qApp != nullptr) {
        qApp->installEventFilter(this);
        filtering = true;
    }
}

void WinningHint::Dismiss() {
    stop = true;
    ++generation;
    searching = false;
    if (shown) {
        Frames(host.BackgroundColor());
        shown.reset();
    }
    message->hide();
    if (filtering && qApp != nullptr) {
        qApp->removeEventFilter(this);
        filtering = false;
    }
}

void WinningHint::Finish(int search, SolveStatus status, std::optional<Move> first) {
    if (search != generation) return;
    searching = false;
    switch (status) {
        case SolveStatus::Solved:
            if (first) {
                shown = first;
                Frames(host.FrameColor());
            }
            break;
        case SolveStatus::NoSolution:
            Say(QString::fromUtf8(NoWinGerman), QString::fromUtf8(NoWinEnglish));
            break;
        case SolveStatus::BudgetExhausted:
            Say(QString::fromUtf8(NotFoundGerman), QString::fromUtf8(NotFoundEnglish));
            break;
        case SolveStatus::Stopped:
            break;
    }
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

bool WinningHint::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick || type == QEvent::KeyPress) {
        Dismiss();
    }
    return QObject::eventFilter(watched, event);
}
