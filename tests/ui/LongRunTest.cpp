#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QTest>

#include <array>
#include <random>
#include <set>
#include <vector>

#include "MainWindowFixture.h"
#include "game/BoardTestUtil.h"
#include "ui/SmallDialog.h"

namespace {

// What must hold after every event once a deal is on the board; empty when all is well.
std::string CheckBoard(const Board& board) {
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
    const CardPile* hand = board.Hand();
    if (hand != nullptr) {
        if (hand->Count() != 1) return "the hand holds more than one card";
        cards.insert(hand->TopSuit() * 13 + hand->TopRank());
        ++total;
    }
    if (total != 52 || cards.size() != 52) return "not 52 distinct cards";
    if (gaps != (hand != nullptr ? 5 : 4)) return "wrong number of gaps";
    return {};
}

// The cards of the board, suit * 13 + rank per place, -1 for a gap.
using Snapshot = std::array<int, Board::Columns * Board::Rows>;

Snapshot Snap(const Board& board) {
    Snapshot cells{};
    for (int column = 0; column < Board::Columns; ++column) {
        for (int row = 0; row < Board::Rows; ++row) {
            const CardPile& place = board.Place(column, row);
            cells[static_cast<std::size_t>(row * Board::Columns + column)] =
                place.Count() == 0 ? -1 : place.TopSuit() * 13 + place.TopRank();
        }
    }
    return cells;
}

int At(const Snapshot& cells, int column, int row) {
    return cells[static_cast<std::size_t>(row * Board::Columns + column)];
}

// Every row runs ace to king of its own suit in columns 0 to 12.
bool Solved(const Snapshot& cells) {
    for (int row = 0; row < Board::Rows; ++row) {
        for (int column = 0; column < 13; ++column) {
            if (At(cells, column, row) != row * 13 + column + 1) return false;
        }
    }
    return true;
}

// Whether `card` may fill the gap at (column, row) of a board as it was before the drop.
bool ObeysGapRule(const Snapshot& before, int card, int column, int row) {
    if (column < 1 || At(before, column, row) != -1) return false;
    const int left = At(before, column - 1, row);
    const int right = column + 1 < Board::Columns ? At(before, column + 1, row) : -1;
    // A card number is suit * 13 + rank, so a neighbour of the same suit one rank off is one off.
    const bool sameSuitLeft = left != -1 && (left - 1) / 13 == (card - 1) / 13;
    const bool sameSuitRight = right != -1 && (right - 1) / 13 == (card - 1) / 13;
    return (sameSuitLeft && left == card - 1) || (sameSuitRight && right == card + 1);
}

// A deal one step from won: every row in order but for its last few kings, which wait in
// column 13 while their places in column 12 are gaps.
// The cards are laid hidden and then shown, so each keeps the background it covers, as dealt
// cards do.
void LayNearlyWon(Board& board, int kingsOut) {
    board.HideAll();
    LayWonBoard(board);
    for (int row = 0; row < kingsOut; ++row) {
        board.Place(12, row).Clear();
        Put(board, 13, row, row, 13);
    }
    board.ShowAll();
}

// Where the player clicks: half the time on a gap when a card is held, else on a card place;
// otherwise on a place or anywhere at all.
QPoint ClickTarget(std::mt19937& random, const Board& board) {
    int aim = static_cast<int>(random() % 4);
    if (aim == 0 || aim == 1) aim = board.Hand() != nullptr ? 0 : 1;
    if (aim == 0) {
        std::vector<QPoint> gaps;
        for (int column = 1; column < Board::Columns; ++column) {
            for (int row = 0; row < Board::Rows; ++row) {
                if (board.Place(column, row).Count() == 0) gaps.emplace_back(board.PlaceX(column) + 21, board.PlaceY(row) + 30);
            }
        }
        return gaps[random() % gaps.size()];
    }
    if (aim <= 2) {
        const int column = static_cast<int>(random() % Board::Columns);
        const int row = static_cast<int>(random() % Board::Rows);
        return {board.PlaceX(column) + static_cast<int>(random() % 43), board.PlaceY(row) + static_cast<int>(random() % 60)};
    }
    return {static_cast<int>(random() % 683), static_cast<int>(random() % 342)};
}

using LongRun = MainWindowFixture;

TEST_F(LongRun, RandomEventsKeepTheDeckWholeTheRulesKeptAndTheWindowTrue) {
    // The clock starts close to the tick counter's wrap-around.
    clock.ticks = 0xFFFF0000u;
    clock.stepMs = 7;
    Open();
    // The give-up question is answered Yes, the won message closed.
    AnswerEvery(SmallDialog::ResultYes);
    Show();
    QWidget* view = BoardView();
    QAbstractButton* newButton = Button(ToolStrip::Command::NewDeal);
    QAbstractButton* resetButton = Button(ToolStrip::Command::Replay);
    QAbstractButton* mixButton = Button(ToolStrip::Command::Reshuffle);
    Session().SeedWith(20261207);
    const QRect boardArea(0, Board::ToolStripHeight, 683, 290);

    std::mt19937 random(4711);
    constexpr int runs = 20;
    constexpr int eventsPerRun = 5000;
    int expectedWon = 0;
    int expectedLost = 0;
    int acceptedDrops = 0;
    int repaintChecks = 0;
    int violations = 0;
    auto fail = [&](int event, const std::string& problem) {
        ++violations;
        ADD_FAILURE() << "event " << event << ": " << problem;
    };
    QElapsedTimer timer;
    timer.start();
    for (int run = 0; run < runs && violations <= 5; ++run) {
        if (GameBoard().State() == GameState::Started) ++expectedLost;
        QTest::mouseClick(newButton, Qt::LeftButton);
        // Every other run starts a few moves from a win, and keeps its deal, so wins happen.
        const bool nearlyWon = run % 2 == 1;
        if (nearlyWon) LayNearlyWon(GameBoard(), 1 + run / 2 % 2);

        for (int step = 0; step < eventsPerRun && violations <= 5; ++step) {
            const int event = run * eventsPerRun + step;
            Board& board = GameBoard();
            const int kind = static_cast<int>(random() % 1000);
            const GameState before = board.State();
            if (kind < 4 && !nearlyWon) {
                if (before == GameState::Started) ++expectedLost;
                QTest::mouseClick(kind < 2 ? newButton : resetButton, Qt::LeftButton);
            } else if (kind < 10) {
                QTest::mouseClick(mixButton, Qt::LeftButton);
            } else if (kind < 60) {
                const QPoint at = ClickTarget(random, board);
                QTest::mousePress(view, Qt::RightButton, {}, at);
                QTest::mouseRelease(view, Qt::RightButton, {}, at);
            } else if (kind < 500) {
                MovePointer(*view, ClickTarget(random, board));
            } else {
                const QPoint at = ClickTarget(random, board);
                const Snapshot cellsBefore = Snap(board);
                const int held = board.Hand() != nullptr ? board.Hand()->TopSuit() * 13 + board.Hand()->TopRank() : -1;
                const int wonBefore = Stats().sinceStartWon;
                QTest::mouseClick(view, kind < 990 ? Qt::LeftButton : Qt::MiddleButton, {}, at);
                const Snapshot cellsAfter = Snap(board);
                if (held != -1 && board.Hand() == nullptr) {
                    for (int column = 1; column < Board::Columns; ++column) {
                        for (int row = 0; row < Board::Rows; ++row) {
                            const bool landedHere = At(cellsBefore, column, row) == -1 && At(cellsAfter, column, row) == held;
                            const bool origin = column == board.originColumn && row == board.originRow;
                            if (!landedHere || origin) continue;
                            ++acceptedDrops;
                            if (!ObeysGapRule(cellsBefore, held, column, row)) fail(event, "a drop broke the gap rule");
                        }
                    }
                }
                if (Stats().sinceStartWon != wonBefore && !Solved(cellsAfter)) fail(event, "a win on an unsolved board");
                if (before != GameState::Over && board.State() == GameState::Over) ++expectedWon;
            }
            const std::string problem = CheckBoard(GameBoard());
            const ::Statistics& stats = Stats();
            const bool countsRight = stats.sinceStartWon == expectedWon && stats.sinceStartLost == expectedLost &&
                                     stats.totalWon == expectedWon && stats.totalLost == expectedLost;
            if (!problem.empty()) fail(event, problem);
            if (!countsRight) fail(event, "counts differ");

            // What the window shows must be what a full repaint of the board draws.
            if (step % 500 == 499 && board.Hand() == nullptr) {
                const QImage shown = view->grab(boardArea).toImage();
                Session().Paint();
                if (view->grab(boardArea).toImage() != shown) fail(event, "the window differs from a fresh repaint");
                ++repaintChecks;
            }
        }
    }
    std::printf("%d random events in %lld ms; %d won, %d lost, %d drops accepted, %d repaints compared\n",
                runs * eventsPerRun, timer.elapsed(), expectedWon, expectedLost, acceptedDrops, repaintChecks);
    EXPECT_EQ(violations, 0);
    EXPECT_GT(expectedWon, 0) << "the runs that start nearly won should end won";
    EXPECT_GT(acceptedDrops, 100);
}

}  // namespace
