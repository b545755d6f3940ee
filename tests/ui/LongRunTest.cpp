#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QToolButton>

#include <random>
#include <set>

#include "cards/BusyWait.h"
#include "FakeClock.h"
#include "platform/Clock.h"
#include "ui/SmallDialog.h"
#include "ui/TMainForm.h"

namespace {

// A pointer move with no button held, delivered at once: QTest's own move only sets the cursor,
// which sends nothing when the cursor already stands there.
void MovePointer(QWidget& widget, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, widget.mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &move);
}

// What must hold after every event once a deal is on the board; empty when all is well.
std::string CheckBoard(TMainForm& form) {
    Board& board = form.GameBoard();
    std::set<int> cards;
    int total = 0;
    int gaps = 0;
    for (int column = 0; column < Board::Columns; ++column) {
        for (int row = 0; row < Board::Rows; ++row) {
            const CardPile& place = board.Place(column, row);
            if (place.Count() == 0) {
                ++gaps;
                if (column == 0) return "an ace place is empty";
                continue;
            }
            if (column == 0 && (place.TopRank() != 1 || place.TopSuit() != row)) return "column 0 out of order";
            cards.insert(place.TopSuit() * 13 + place.TopRank());
            ++total;
        }
    }
    const CardPile* hand = board.Hand().get();
    if (hand != nullptr) {
        if (hand->Count() != 1) return "the hand holds more than one card";
        cards.insert(hand->TopSuit() * 13 + hand->TopRank());
        ++total;
    }
    if (total != 52 || cards.size() != 52) return "not 52 distinct cards";
    if (gaps != (hand != nullptr ? 5 : 4)) return "wrong number of gaps";
    return {};
}

TEST(LongRun, RandomEventsKeepTheDeckWholeAndTheCountsRight) {
    FakeClock clock(0xFFFF0000u, 7);  // starts close to the tick counter's wrap-around
    const ScopedClock scopedClock(clock);
    TMainForm form;
    form.Dialogs().SetRunner([](QDialog&) { return SmallDialog::ResultYes; });
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QWidget* view = form.childAt(300, 200);
    auto* newButton = form.findChild<QToolButton*>(QStringLiteral("NewBtn"));
    auto* resetButton = form.findChild<QToolButton*>(QStringLiteral("ResetBtn"));
    auto* mixButton = form.findChild<QToolButton*>(QStringLiteral("MixBtn"));
    form.SeedWith(20261207);
    QTest::mouseClick(newButton, Qt::LeftButton);

    std::mt19937 random(4711);
    const int events = 100000;
    int expectedWon = 0;
    int expectedLost = 0;
    int violations = 0;
    QElapsedTimer timer;
    timer.start();
    for (int event = 0; event < events; ++event) {
        const int kind = static_cast<int>(random() % 1000);
        const QPoint at(static_cast<int>(random() % 683), static_cast<int>(random() % 342));
        const GameState before = form.GameBoard().State();
        if (kind < 4) {
            if (before == GameState::Started) ++expectedLost;
            QTest::mouseClick(kind < 2 ? newButton : resetButton, Qt::LeftButton);
        } else if (kind < 10) {
            QTest::mouseClick(mixButton, Qt::LeftButton);
        } else if (kind < 60) {
            QTest::mousePress(view, Qt::RightButton, {}, at);
            QTest::mouseRelease(view, Qt::RightButton, {}, at);
        } else if (kind < 500) {
            MovePointer(*view, at);
        } else {
            QTest::mouseClick(view, kind < 990 ? Qt::LeftButton : Qt::MiddleButton, {}, at);
            if (before != GameState::Over && form.GameBoard().State() == GameState::Over) ++expectedWon;
        }
        const std::string problem = CheckBoard(form);
        const ::Statistics& stats = form.Stats();
        const bool countsRight = stats.sinceStartWon == expectedWon && stats.sinceStartLost == expectedLost &&
                                 stats.totalWon == expectedWon && stats.totalLost == expectedLost;
        if (!problem.empty() || !countsRight) {
            ++violations;
            ADD_FAILURE() << "event " << event << ": " << (problem.empty() ? "counts differ" : problem);
            if (violations > 5) break;
        }
    }
    std::printf("%d random events in %lld ms; %d won, %d lost\n", events, timer.elapsed(), expectedWon,
                expectedLost);
    EXPECT_EQ(violations, 0);
}

}  // namespace
