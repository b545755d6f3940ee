#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QMouseEvent>
#include <QTest>
#include <bitset>
#include <optional>
#include <random>
#include <utility>
#include <vector>

#include "MainWindowFixture.h"
#include "ui/SmallDialog.h"

namespace {

// What must hold after every event once a deal is on the board and no card is held; empty when
// all is well.
std::string CheckBoard(const BoardPicture& board) {
    std::bitset<64> cards;
    int total = 0;
    int gaps = 0;
    for (int column = 0; column < Board::Columns; ++column) {
        for (int row = 0; row < Board::Rows; ++row) {
            const std::optional<SeenCard>& card = board.Place(column, row);
            if (!card) {
                ++gaps;
                if (column == 0) return "an ace place is empty";
                continue;
            }
            if (column == 0 && *card != SeenCard{row, 1}) return "column 0 out of order";
            cards.set(static_cast<std::size_t>(card->suit * 16 + card->rank));
            ++total;
        }
    }
    if (total != 52 || cards.count() != 52) return "not 52 distinct cards";
    if (gaps != 4) return "wrong number of gaps";
    return {};
}

// Whether `card`, lifted from `origin`, may fill the gap at `to` of the board as it was before.
bool ObeysGapRule(const BoardPicture& before, QPoint origin, SeenCard card, QPoint to) {
    auto at = [&](int column, int row) {
        return QPoint(column, row) == origin || column >= Board::Columns ? std::nullopt
                                                                         : before.Place(column, row);
    };
    if (to.x() < 1 || at(to.x(), to.y())) return false;
    return at(to.x() - 1, to.y()) == SeenCard{card.suit, card.rank - 1} ||
           at(to.x() + 1, to.y()) == SeenCard{card.suit, card.rank + 1};
}

// Where the player clicks: half the time on a gap when a card is held, else on a card place;
// otherwise on a place or anywhere at all.
QPoint ClickTarget(std::mt19937& random, const BoardPicture& board, bool held) {
    int aim = static_cast<int>(random() % 4);
    if (aim == 0 || aim == 1) aim = held ? 0 : 1;
    std::vector<QPoint> gaps;
    for (int column = 1; column < Board::Columns; ++column) {
        for (int row = 0; row < Board::Rows; ++row) {
            if (!board.Place(column, row)) gaps.emplace_back(PlaceLeft(column) + 21, PlaceTop(row) + 30);
        }
    }
    if (aim == 0 && !gaps.empty()) return gaps[random() % gaps.size()];
    if (aim <= 2) {
        const int column = static_cast<int>(random() % Board::Columns);
        const int row = static_cast<int>(random() % Board::Rows);
        return {PlaceLeft(column) + static_cast<int>(random() % CardWidth),
                PlaceTop(row) + static_cast<int>(random() % CardHeight)};
    }
    return {static_cast<int>(random() % ClientWidth), static_cast<int>(random() % ClientHeight)};
}

using LongRun = MainWindowFixture;

// The window is watched as a player watches it, the sound output as a player hears it: a pick
// means a card in the hand, a drop or a return its end, and a deal a fresh board.
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
    const QRect boardArea(0, ToolStripHeight, ClientWidth, BoardHeight);
    const auto [winnable, winningLine] = WinnableDeal();

    std::mt19937 random(4711);
    constexpr int runs = 20;
    constexpr int eventsPerRun = 5000;
    enum class State { Over, Dealt, Started } state = State::Over;
    bool held = false;
    // The board when no card was last held.
    BoardPicture settled = Picture();
    int expectedWon = 0;
    int expectedLost = 0;
    int acceptedDrops = 0;
    int repaintChecks = 0;
    int violations = 0;
    auto fail = [&](int event, const std::string& problem) {
        ++violations;
        ADD_FAILURE() << "event " << event << ": " << problem;
    };
    // Follows the game through the cues heard since request `first`: a pick outside a deal puts a
    // card in the hand, a drop or a return takes it out.
    auto follow = [&](std::size_t first, bool& dropped, bool& won) {
        bool dealing = false;
        dropped = won = false;
        for (SoundCue cue : Cues(first)) {
            dealing = dealing || cue == SoundCue::Deal;
            if (cue == SoundCue::Pick && !dealing) held = true;
            if (cue == SoundCue::Drop || cue == SoundCue::Return || cue == SoundCue::Deal) held = false;
            if (cue == SoundCue::GiveUp && state == State::Started) ++expectedLost;
            if (cue == SoundCue::Deal) state = State::Dealt;
            if (cue == SoundCue::Drop && state == State::Dealt) state = State::Started;
            dropped = dropped || cue == SoundCue::Drop;
            won = won || cue == SoundCue::Won;
        }
        if (won) {
            state = State::Over;
            ++expectedWon;
        }
    };
    auto click = [&](QPoint at) { QTest::mouseClick(view, Qt::LeftButton, {}, at); };

    QElapsedTimer timer;
    timer.start();
    for (int run = 0; run < runs && violations <= 5; ++run) {
        // Every other run starts a few moves from a win, and keeps its deal, so wins happen.
        const bool nearlyWon = run % 2 == 1;
        std::size_t heard = audio->requests.size();
        if (nearlyWon) Session().SeedWith(winnable);
        QTest::mouseClick(newButton, Qt::LeftButton);
        if (nearlyWon) {
            const std::size_t movesLeft = 1 + static_cast<std::size_t>(run / 2 % 2);
            for (std::size_t i = 0; i + movesLeft < winningLine.size(); ++i) {
                const Move& move = winningLine[i];
                click(PlaceCenter(move.fromColumn, move.fromRow));
                click(PlaceCenter(move.toColumn, move.toRow));
            }
        }
        bool dropped = false;
        bool won = false;
        follow(heard, dropped, won);
        settled = Picture();

        for (int step = 0; step < eventsPerRun && violations <= 5; ++step) {
            const int event = run * eventsPerRun + step;
            heard = audio->requests.size();
            const int kind = static_cast<int>(random() % 1000);
            bool moved = false;
            if (kind < 4 && !nearlyWon) {
                QTest::mouseClick(kind < 2 ? newButton : resetButton, Qt::LeftButton);
            } else if (kind < 10) {
                QTest::mouseClick(mixButton, Qt::LeftButton);
            } else if (kind < 60) {
                const QPoint at = ClickTarget(random, settled, held);
                QTest::mousePress(view, Qt::RightButton, {}, at);
                QTest::mouseRelease(view, Qt::RightButton, {}, at);
            } else if (kind < 500) {
                MovePointer(*view, ClickTarget(random, settled, held));
                moved = true;
            } else {
                QTest::mouseClick(view, kind < 990 ? Qt::LeftButton : Qt::MiddleButton, {},
                                  ClickTarget(random, settled, held));
            }
            follow(heard, dropped, won);
            // The board is read whenever no card hides part of it, and a pointer move changes
            // nothing else.
            if (held) continue;
            const BoardPicture before = settled;
            if (!moved) settled = Picture();
            const std::string problem = CheckBoard(settled);
            if (!problem.empty()) fail(event, problem);
            if (dropped) {
                // The card left one place and landed on another, or went back to where it was.
                std::optional<QPoint> origin;
                std::optional<QPoint> landed;
                for (int column = 1; column < Board::Columns; ++column) {
                    for (int row = 0; row < Board::Rows; ++row) {
                        if (before.Place(column, row) == settled.Place(column, row)) continue;
                        (settled.Place(column, row) ? landed : origin) = QPoint(column, row);
                    }
                }
                if (landed && origin) {
                    ++acceptedDrops;
                    const SeenCard card = *before.Place(origin->x(), origin->y());
                    if (settled.Place(landed->x(), landed->y()) != card)
                        fail(event, "a drop changed the card");
                    if (!ObeysGapRule(before, *origin, card, *landed))
                        fail(event, "a drop broke the gap rule");
                } else if (landed || origin) {
                    fail(event, "a drop moved no card whole");
                }
            }
            if (won && !settled.Won()) fail(event, "a win on an unsolved board");
            const ::Statistics& stats = Stats();
            const bool countsRight = stats.sinceStartWon == expectedWon &&
                                     stats.sinceStartLost == expectedLost && stats.totalWon == expectedWon &&
                                     stats.totalLost == expectedLost;
            if (!countsRight) fail(event, "counts differ");

            // What the window shows must be what a full repaint of the board draws.
            if (step % 500 == 499) {
                const QImage shown = view->grab(boardArea).toImage();
                Session().Paint();
                if (view->grab(boardArea).toImage() != shown)
                    fail(event, "the window differs from a fresh repaint");
                ++repaintChecks;
            }
        }
    }
    std::printf("%d random events in %lld ms; %d won, %d lost, %d drops accepted, %d repaints compared\n",
                runs * eventsPerRun, timer.elapsed(), expectedWon, expectedLost, acceptedDrops,
                repaintChecks);
    EXPECT_EQ(violations, 0);
    EXPECT_GT(expectedWon, 0) << "the runs that start nearly won should end won";
    EXPECT_GT(acceptedDrops, 100);
}

}  // namespace
