#include "game/HeadlessGame.h"

#include <mutex>

#include "cards/Random.h"
#include "game/Solver.h"
#include "platform/Clock.h"

namespace {

// Every read jumps a second ahead, so the pauses of a deal pass at once.
class InstantClock final : public Clock {
public:
    std::uint32_t TickCount() override { return ticks += 1000; }
    bool PerformanceCounter(std::uint64_t&) override { return false; }

private:
    std::uint32_t ticks = 0;
};

std::mutex& GeneratorLock() {
    static std::mutex lock;
    return lock;
}

}  // namespace

HeadlessGame::HeadlessGame(std::uint32_t deal) : board(host), generator(deal) {
    WithGenerator([this] { board.Deal(); });
}

template <typename Action>
void HeadlessGame::WithGenerator(Action action) {
    const std::lock_guard<std::mutex> guard(GeneratorLock());
    InstantClock clock;
    const ScopedClock instant(clock);
    const std::uint32_t previousSeed = GeneratorSeed;
    GeneratorSeed = generator;
    action();
    generator = GeneratorSeed;
    GeneratorSeed = previousSeed;
}

bool HeadlessGame::Play(const Move& move) {
    if (board.Hand() != nullptr || move.fromColumn == 0) return false;
    CardPile& from = board.Place(move.fromColumn, move.fromRow);
    if (from.Count() == 0) return false;
    const int suit = from.TopSuit();
    const int rank = from.TopRank();
    from.TakeTop(board.Hand());
    const bool legal = board.MayPlace(suit, rank, move.toColumn, move.toRow);
    CardPile& target = legal ? board.Place(move.toColumn, move.toRow) : from;
    target.MoveOnto(nullptr, board.Hand(), false);
    if (legal && board.State() == GameState::Dealt) board.SetState(GameState::Started);
    return legal;
}

void HeadlessGame::Reshuffle() {
    WithGenerator([this] { board.Reshuffle(); });
}
