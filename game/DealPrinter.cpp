#include "game/DealPrinter.h"

#include <QStringList>

#include "cards/BusyWait.h"
#include "cards/Random.h"
#include "game/Board.h"
#include "game/BoardHost.h"
#include "platform/Clock.h"

namespace {

// A board host with no window: nothing is drawn, heard or asked.
class SilentHost final : public BoardHost {
public:
    Surface* DrawingSurface() override { return nullptr; }
    void PlayCue(SoundCue) override {}
    bool SlideOn() const override { return false; }
    bool ShowMovesOn() const override { return false; }
    std::uint32_t BackgroundColor() const override { return 0x8000; }
    std::uint32_t FrameColor() const override { return 0; }
    void SetReshuffleEnabled(bool) override {}
    bool ConfirmGiveUp() override { return true; }
    void ShowWonMessage() override {}
    void RefreshScore() override {}
};

// Every read jumps a second ahead, so the pauses of a deal pass at once.
class InstantClock final : public Clock {
public:
    std::uint32_t TickCount() override { return ticks += 1000; }
    bool PerformanceCounter(std::uint64_t&) override { return false; }

private:
    std::uint32_t ticks = 0;
};

}  // namespace

QString DealText(std::uint32_t seed) {
    static const char ranks[] = "A23456789TJQK";
    static const char suits[] = "csdh";

    SilentHost host;
    InstantClock clock;
    const ScopedClock instant(clock);
    const std::uint32_t savedSeed = GeneratorSeed;
    GeneratorSeed = seed;
    Board board(host);
    board.Deal();
    GeneratorSeed = savedSeed;

    QStringList lines;
    for (int row = 0; row < Board::Rows; ++row) {
        QStringList tokens;
        for (int column = 0; column < Board::Columns; ++column) {
            const CardPile& place = board.Place(column, row);
            if (place.Count() == 0) {
                tokens << QStringLiteral("--");
            } else {
                tokens << QString(QChar::fromLatin1(ranks[place.TopRank() - 1])) +
                              QChar::fromLatin1(suits[place.TopSuit()]);
            }
        }
        lines << tokens.join(QLatin1Char(' '));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
