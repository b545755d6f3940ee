#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "cards/Card.h"
#include "cards/CardPile.h"
#include "cards/CardSheets.h"
#include "cards/RandomSource.h"
#include "platform/Surface.h"

namespace {

// The main window's client area, in the default table colour.
constexpr int SurfaceWidth = 683;
constexpr int SurfaceHeight = 342;
constexpr std::uint32_t TableColour = 0x00008000;

void CardDraw(benchmark::State& state) {
    CardSheets::Load();
    Surface surface(SurfaceWidth, SurfaceHeight, TableColour);
    const Card card(3, 13, 7);
    const bool faceDown = state.range(0) != 0;
    for (auto _ : state) {
        card.Draw(&surface, 152, 117, faceDown);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(CardDraw)->ArgName("faceDown")->Arg(0)->Arg(1);

void SaveAndRestoreBackground(benchmark::State& state) {
    CardSheets::Load();
    Surface surface(SurfaceWidth, SurfaceHeight, TableColour);
    Card card(0, 1, 0);
    for (auto _ : state) {
        card.SaveBackground(&surface, 152, 117);
        card.RestoreBackground(&surface, 152, 117);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(SaveAndRestoreBackground);

// A paint request: every one of the 56 board places drawn again.
void RepaintBoard(benchmark::State& state) {
    CardSheets::Load();
    Surface surface(SurfaceWidth, SurfaceHeight, TableColour);
    std::vector<std::unique_ptr<CardPile>> places;
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 14; ++column) {
            auto place = std::make_unique<CardPile>(PlaceLeft(column), PlaceTop(row), 0, 0, 1);
            place->AddCard(row, column % 13 + 1, 1);
            place->Show(&surface);
            places.push_back(std::move(place));
        }
    }
    for (auto _ : state) {
        for (const auto& place : places) place->Repaint(&surface);
        benchmark::ClobberMemory();
    }
    state.counters["cards/s"] =
        benchmark::Counter(56.0 * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(RepaintBoard);

// The deal's deck: filled and shuffled from a fixed seed.
void FillAndShuffleDeck(benchmark::State& state) {
    CardSheets::Load();
    RandomSource random;
    for (auto _ : state) {
        random.GeneratorSeed = 12345;
        CardPile deck(0, 0, 0, 0, 52);
        deck.FillDeck(6, 1, 13, 1);
        deck.Shuffle(random);
        benchmark::DoNotOptimize(deck.TopRank());
    }
}
BENCHMARK(FillAndShuffleDeck);

}  // namespace

BENCHMARK_MAIN();
