// Plays 40 moves of a few fixed deals as a player would, with the real board and the H key's real
// searches, headless, and prints what the whole process spent on the processor for each move, and
// how soon H answered. The player thinks until the searches behind the board are done before each
// move, so every move is charged with all the work it set off.
//
// The moves: H and the framed move, three times in five; another legal move; after 15 and 30
// moves an undo. A deal that runs out of moves is reshuffled while it can be.

#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <numeric>
#include <vector>

#include "base/MoveSwitches.h"
#include "cards/RandomSource.h"
#include "cards/TableGeometry.h"
#include "game/Board.h"
#include "game/CuePlayer.h"
#include "game/MoveHistory.h"
#include "game/ScoreDisplay.h"
#include "game/TableDrawing.h"
#include "platform/Clock.h"
#include "platform/Surface.h"
#include "ui/WinningHint.h"

namespace {

// The deal's half-second pauses pass at once: they would only add the same to every run.
class JumpingClock final : public Clock {
public:
    std::uint32_t TickCount() override { return ticks += 1000; }
    void SleepUntil(std::uint32_t tick) override {
        if (static_cast<std::int32_t>(tick - ticks) > 0) ticks = tick;
    }
    bool PerformanceCounter(std::uint64_t& value) override {
        value = ticks;
        return true;
    }

private:
    std::uint32_t ticks = 0;
};

class QuietHost final : public TableDrawing, public CuePlayer, public ScoreDisplay {
public:
    Surface* DrawingSurface() override { return &surface; }
    std::uint32_t BackgroundColor() const override { return 0x8000; }
    std::uint32_t FrameColor() const override { return 0x0000FF; }
    void PlayCue(SoundCue) override {}
    void SetReshuffleEnabled(bool) override {}
    void RefreshScore() override {}

    Surface surface{ClientWidth, ClientHeight, 0x8000};
    MoveSwitches switches{true, false};
    RandomSource generator;
};

double ProcessMs() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) * 1e-6;
}

double WallMs() {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Sleeps in the event loop until the condition holds; the search's answers arrive as events.
template <typename Condition>
void Until(Condition condition) {
    QEventLoop loop;
    QTimer wake;
    wake.start(100);
    while (!condition()) loop.processEvents(QEventLoop::WaitForMoreEvents);
}

std::vector<Move> LegalMoves(const Position& position) {
    std::vector<Move> moves;
    for (int row = 0; row < Position::Rows; ++row) {
        for (int column = 1; column < Position::Columns; ++column) {
            if (position.At(column, row) != 0) continue;
            for (const std::uint8_t card : position.FillersOf(column, row)) {
                if (card == 0) continue;
                for (int place = 0; place < Position::Places; ++place) {
                    if (position.cells[static_cast<std::size_t>(place)] != card ||
                        place % Position::Columns == 0)
                        continue;
                    moves.push_back({static_cast<std::uint8_t>(place % Position::Columns),
                                     static_cast<std::uint8_t>(place / Position::Columns),
                                     static_cast<std::uint8_t>(column), static_cast<std::uint8_t>(row)});
                }
            }
        }
    }
    return moves;
}

struct Tally {
    std::vector<double> moveCpu;
    std::vector<double> dealtWall;
    std::vector<double> dealtCpu;
    std::vector<double> followedWall;
    std::vector<double> followedCpu;
};

class Player {
public:
    Player(Tally& tallyRef) : tally(tallyRef) { window.resize(ClientWidth, ClientHeight); }

    void PlayDeal(std::uint32_t deal) {
        host.generator.GeneratorSeed = deal;
        board.Deal();
        board.SetState(GameState::Started);
        Ask(tally.dealtWall, tally.dealtCpu);
        hint.Dismiss();
        Until([&] { return !hint.Searching(); });
        bool followed = false;
        for (int move = 1; move <= 40 && !board.IsWon(); ++move) {
            const double start = ProcessMs();
            if (!Act(move, followed)) break;
            Until([&] { return !hint.Searching(); });
            tally.moveCpu.push_back(ProcessMs() - start);
        }
        board.SetState(GameState::Over);
        board.Changed();
    }

private:
    // H as the player sees it: from the key to the first answer.
    void Ask(std::vector<double>& wall, std::vector<double>& cpu) {
        const double wallStart = WallMs();
        const double cpuStart = ProcessMs();
        hint.Request();
        Until([&] { return hint.ShownMove().has_value() || !hint.Message()->isHidden() || !hint.Waiting(); });
        wall.push_back(WallMs() - wallStart);
        cpu.push_back(ProcessMs() - cpuStart);
        // The player reads the hint while the pointer says that H still looks.
        Until([&] { return !hint.Waiting(); });
    }

    bool Act(int move, bool& followed) {
        if (move == 15 || move == 30) {
            followed = false;
            hint.Dismiss();
            return history.Undo().has_value();
        }
        const std::vector<Move> legal = LegalMoves(board.Layout());
        if (move % 5 != 4) {
            if (followed) {
                Ask(tally.followedWall, tally.followedCpu);
            } else {
                std::vector<double> wall;
                std::vector<double> cpu;
                Ask(wall, cpu);
            }
            const std::optional<Move> shown = hint.ShownMove();
            hint.Dismiss();
            if (shown) {
                Carry(*shown);
                followed = true;
                return true;
            }
        }
        followed = false;
        if (legal.empty()) {
            if (board.ReshufflesLeft() == 0) return false;
            board.Reshuffle();
            return true;
        }
        Carry(legal[static_cast<std::size_t>(move * 7) % legal.size()]);
        return true;
    }

    void Carry(const Move& move) {
        board.Lift(move.fromColumn, move.fromRow);
        board.Lay(move.toColumn, move.toRow, false);
        history.Record({move.fromColumn, move.fromRow, move.toColumn, move.toRow});
        board.Changed();
    }

    Tally& tally;
    QuietHost host;
    Board board{host, host, host, host.switches, host.generator};
    QWidget window;
    Language language = Language::English;
    WinningHint hint{&window, board, host, language};
    MoveHistory history{board, host, host};
};

double Percentile(std::vector<double> values, double share) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(share * static_cast<double>(values.size() - 1) + 0.5)];
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    JumpingClock clock;
    const ScopedClock scopedClock(clock);
    Tally tally;
    // The deal where the hint once went in circles, and three ordinary ones; or those given.
    std::vector<std::uint32_t> deals{2053309054u, 1u, 2u, 3u};
    if (argc > 1) deals.clear();
    for (int i = 1; i < argc; ++i)
        deals.push_back(static_cast<std::uint32_t>(std::strtoul(argv[i], nullptr, 10)));
    for (const std::uint32_t deal : deals) {
        Player player(tally);
        player.PlayDeal(deal);
    }
    std::printf("moves: %zu\n", tally.moveCpu.size());
    std::printf("process CPU per move: median %.1f ms, 90th percentile %.1f ms, mean %.1f ms\n",
                Percentile(tally.moveCpu, 0.5), Percentile(tally.moveCpu, 0.9),
                tally.moveCpu.empty() ? 0.0
                                      : std::accumulate(tally.moveCpu.begin(), tally.moveCpu.end(), 0.0) /
                                            static_cast<double>(tally.moveCpu.size()));
    std::printf("H from the dealt position: median %.1f ms (CPU %.1f ms) over %zu deals\n",
                Percentile(tally.dealtWall, 0.5), Percentile(tally.dealtCpu, 0.5), tally.dealtWall.size());
    std::printf(
        "H after a followed hint: median %.1f ms (CPU %.1f ms), 90th percentile %.1f ms, over %zu answers\n",
        Percentile(tally.followedWall, 0.5), Percentile(tally.followedCpu, 0.5),
        Percentile(tally.followedWall, 0.9), tally.followedWall.size());
    return 0;
}
