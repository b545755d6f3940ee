#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QTest>

#include <array>
#include <bitset>
#include <optional>
#include <random>
#include <utility>
#include <vector>

#include "MainWindowFixture.h"
#include "game/HeadlessGame.h"
#include "game/Solver.h"
#include "ui/SmallDialog.h"

namespace {

// The cards the window shows on the places, row-major; none where no card can be read.
using Snapshot = std::array<std::optional<SeenCard>, Board::Columns * Board::Rows>;

Snapshot Snap(const BoardPicture& picture) {
    Snapshot cells{};
    for (int column = 0; column < Board::Columns; ++column) {
        for (int row = 0; row < Board::Rows; ++row) {
            cells[static_cast<std::size_t>(row * Board::Columns + column)] = picture.Place(column, row);
        }
    }
    return cells;
}

std::optional<SeenCard>& At(Snapshot& cells, int column, int row) {
    return cells[static_cast<std::size_t>(row * Board::Columns + column)];
}
const std::optional<SeenCard>& At(const Snapshot& cells, int column, int row) {
    return cells[static_cast<std::size_t>(row * Board::Columns + column)];
}

// What must hold after every event once a deal is on the board and no card is held; empty when
// all is well.
std::string CheckBoard(const Snapshot& cells) {
    std::bitset<64> cards;
    int total = 0;
    int gaps = 0;
    for (int column = 0; column < Board::Columns; ++column) {
        for (int row = 0; row < Board::Rows; ++row) {
            const std::optional<SeenCard>& card = At(cells, column, row);
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

// Every row runs ace to king of its own suit in columns 0 to 12.
bool Solved(const Snapshot& cells) {
    for (int row = 0; row < Board::Rows; ++row) {
        for (int column = 0; column < 13; ++column) {
            if (At(cells, column, row) != SeenCard{row, column + 1}) return false;
        }
    }
    return true;
}

// Whether `card` may fill the gap at (column, row) of a board as it was before the drop.
bool ObeysGapRule(const Snapshot& before, SeenCard card, int column, int row) {
    if (column < 1 || At(before, column, row)) return false;
    const std::optional<SeenCard>& left = At(before, column - 1, row);
    const std::optional<SeenCard> right = column + 1 < Board::Columns ? At(before, column + 1, row) : std::nullopt;
    return left == SeenCard{card.suit, card.rank - 1} || right == SeenCard{card.suit, card.rank + 1};
}

// A deal the solver wins without a reshuffle, and the line that wins it; a small budget each
// finds one among the first deals at once.
std::pair<std::uint32_t, std::vector<Move>> WinnableDeal() {
    Budget budget;
    budget.maxPositions = 20'000;
    for (std::uint32_t seed = 1; seed < 100; ++seed) {
        SolveResult result = Solve(Position::FromBoard(HeadlessGame(seed).GetBoard()), budget);
        if (result.status == SolveStatus::Solved) return {seed, std::move(result.line)};
    }
    ADD_FAILURE() << "no deal winnable without a reshuffle";
    return {};
}

// Where the player clicks: half the time on a gap when a card is held, else on a card place;
// otherwise on a place or anywhere at all.
QPoint ClickTarget(std::mt19937& random, const Snapshot& cells, bool held) {
    int aim = static_cast<int>(random() % 4);
    if (aim == 0 || aim == 1) aim = held ? 0 : 1;
    std::vector<QPoint> gaps;
    for (int column = 1; column < Board::Columns; ++column) {
        for (int row = 0; row < Board::Rows; ++row) {
            if (!At(cells, column, row)) gaps.emplace_back(PlaceLeft(column) + 21, PlaceTop(row) + 30);
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
    Snapshot settled{};
    int expectedWon = 0;
    int expectedLost = 0;
    int acceptedDrops = 0;
    int repaintChecks = 0;
    int violations = 0;
    auto fail = [&](int event, const std::string& problem) {
        ++violations;
        ADD_FAILURE() << "event " << event << ": " << problem;
    };
    // Follows the game through the cues heard since request `first`; true when a drop was heard.
    auto follow = [&](std::size_t first, bool& won) {
        bool dropped = false;
        bool dealing = false;
        won = false;
        for (SoundCue cue : Cues(first)) {
            switch (cue) {
                case SoundCue::GiveUp:
                    if (state == State::Started) ++expectedLost;
                    break;
                case SoundCue::Deal:
                    dealing = true;
                    held = false;
                    state = State::Dealt;
                    break;
                case SoundCue::Pick:
                    if (!dealing) held = true;
                    break;
                case SoundCue::Drop:
                    dropped = true;
                    held = false;
                    if (state == State::Dealt) state = State::Started;
                    break;
                case SoundCue::Return: held = false; break;
                case SoundCue::Won:
                    won = true;
                    state = State::Over;
                    ++expectedWon;
                    break;
            }
        }
        return dropped;
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
        bool won = false;
        follow(heard, won);
        settled = Snap(Picture());

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
                QTest::mouseClick(view, kind < 990 ? Qt::LeftButton : Qt::MiddleButton, {}, ClickTarget(random, settled, held));
            }
            const bool dropped = follow(heard, won);
            // The board is read whenever no card hides part of it, and a pointer move changes
            // nothing else.
            if (held) continue;
            const Snapshot before = settled;
            if (!moved) settled = Snap(Picture());
            const std::string problem = CheckBoard(settled);
            if (!problem.empty()) fail(event, problem);
            if (dropped) {
                // The card left one place and landed on another, or went back to where it was.
                std::optional<QPoint> origin;
                std::optional<QPoint> landed;
                for (int column = 1; column < Board::Columns; ++column) {
                    for (int row = 0; row < Board::Rows; ++row) {
                        if (At(before, column, row) == At(settled, column, row)) continue;
                        (At(settled, column, row) ? landed : origin) = QPoint(column, row);
                    }
                }
                if (landed && origin) {
                    ++acceptedDrops;
                    Snapshot lifted = before;
                    const SeenCard card = *At(lifted, origin->x(), origin->y());
                    At(lifted, origin->x(), origin->y()).reset();
                    if (At(settled, landed->x(), landed->y()) != card) fail(event, "a drop changed the card");
                    if (!ObeysGapRule(lifted, card, landed->x(), landed->y())) fail(event, "a drop broke the gap rule");
                } else if (landed || origin) {
                    fail(event, "a drop moved no card whole");
                }
            }
            if (won && !Solved(settled)) fail(event, "a win on an unsolved board");
            const ::Statistics& stats = Stats();
            const bool countsRight = stats.sinceStartWon == expectedWon && stats.sinceStartLost == expectedLost &&
                                     stats.totalWon == expectedWon && stats.totalLost == expectedLost;
            if (!countsRight) fail(event, "counts differ");

            // What the window shows must be what a full repaint of the board draws.
            if (step % 500 == 499) {
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
