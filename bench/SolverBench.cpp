#include <benchmark/benchmark.h>

#include <vector>

#include "solver/FairPlayer.h"
#include "solver/HeadlessGame.h"
#include "solver/Solver.h"

namespace {

std::vector<Position> Deals(std::uint32_t count) {
    std::vector<Position> deals;
    for (std::uint32_t deal = 1; deal <= count; ++deal) deals.push_back(HeadlessGame(deal).Layout());
    return deals;
}

// Positions searched per second on one thread, over the first rounds of deals 1 to 40, each
// searched to the end or to a million positions.
void SolverPositions(benchmark::State& state) {
    const std::vector<Position> deals = Deals(40);
    Budget budget;
    budget.maxPositions = 1'000'000;
    budget.trackRuns = true;
    std::uint64_t positions = 0;
    for (auto _ : state) {
        for (const Position& deal : deals) {
            const SolveResult result = Solve(deal, budget);
            positions += result.positions;
            benchmark::DoNotOptimize(result.status);
        }
    }
    state.counters["positions"] = benchmark::Counter(static_cast<double>(positions), benchmark::Counter::kIsRate);
}
BENCHMARK(SolverPositions)->Unit(benchmark::kMillisecond)->UseRealTime();

// Share of deals 1 to N won by the fair player with the game's own search limits; the full table
// for deals 1 to 1000 comes from tvdl --winnability.
void FairPlayerWins(benchmark::State& state) {
    const auto count = static_cast<std::uint32_t>(state.range(0));
    double won = 0;
    for (auto _ : state) {
        won = 0;
        for (std::uint32_t deal = 1; deal <= count; ++deal) {
            HeadlessGame game(deal);
            won += FairPlayer(FairPlayer::Options{}).Play(game).won ? 1 : 0;
        }
    }
    state.counters["won%"] = 100.0 * won / count;
}
BENCHMARK(FairPlayerWins)->Arg(100)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

}  // namespace
