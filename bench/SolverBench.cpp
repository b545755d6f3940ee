#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
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

double ThreadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Positions searched per second of the processor on one thread, over the first rounds of deals 1
// to 40, each searched to a win, to its end or to a million positions. Processor time, not the
// clock: on a shared machine the clock also counts the others' turns.
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
    state.counters["positions"] =
        benchmark::Counter(static_cast<double>(positions), benchmark::Counter::kIsRate);
}
BENCHMARK(SolverPositions)->Unit(benchmark::kMillisecond);

// How soon H answers from the dealt position of deals 1 to 100: the short search's time, as the
// median over the deals, in processor and in clock milliseconds.
void HintAnswer(benchmark::State& state) {
    const std::vector<Position> deals = Deals(100);
    std::vector<double> processor;
    std::vector<double> clock;
    for (auto _ : state) {
        processor.clear();
        clock.clear();
        for (const Position& deal : deals) {
            Budget budget;
            budget.maxPositions = HintQuickPositions;
            budget.trackRuns = true;
            const double cpuStart = ThreadSeconds();
            const auto wallStart = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(Solve(deal, budget).status);
            processor.push_back((ThreadSeconds() - cpuStart) * 1000);
            clock.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - wallStart)
                    .count());
        }
    }
    const auto median = [](std::vector<double> values) {
        std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2),
                         values.end());
        return values[values.size() / 2];
    };
    state.counters["median_cpu_ms"] = median(processor);
    state.counters["median_clock_ms"] = median(clock);
}
BENCHMARK(HintAnswer)->Unit(benchmark::kSecond)->Iterations(1);

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
