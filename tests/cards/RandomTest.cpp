#include <gtest/gtest.h>

#include <vector>

#include "FakeClock.h"
#include "cards/RandomSource.h"

namespace {

// Every test starts from seed 0, as the program does.
class RandomTest : public ::testing::Test {
protected:
    RandomSource random;

    std::vector<std::uint32_t> Draw(std::uint32_t n, int times) {
        std::vector<std::uint32_t> values;
        for (int i = 0; i < times; ++i) values.push_back(random.NextRandom(n));
        return values;
    }
};

TEST_F(RandomTest, FirstDrawsOfFiftyTwoFromSeedZero) {
    const std::vector<std::uint32_t> expectedValues{0, 1, 44, 10, 14, 34};
    const std::vector<std::uint32_t> expectedSeeds{1u,         134775814u,  3698175007u,
                                                   870078620u, 1172187917u, 2884733762u};
    for (std::size_t i = 0; i < expectedValues.size(); ++i) {
        EXPECT_EQ(random.NextRandom(52), expectedValues[i]) << "draw " << i;
        EXPECT_EQ(random.GeneratorSeed, expectedSeeds[i]) << "draw " << i;
    }
}

TEST_F(RandomTest, FirstDrawsOfFourteenFromSeedZero) {
    EXPECT_EQ(Draw(14, 6), (std::vector<std::uint32_t>{0, 0, 12, 2, 3, 9}));
}

TEST_F(RandomTest, DrawsOfOneAndZeroGiveZeroAndStillAdvance) {
    EXPECT_EQ(random.NextRandom(1), 0u);
    EXPECT_EQ(random.GeneratorSeed, 1u);
    EXPECT_EQ(random.NextRandom(0), 0u);
    EXPECT_EQ(random.GeneratorSeed, 134775814u);
    // A seed near the top of the range must not push a draw of one out of 0..0.
    random.GeneratorSeed = 0xFFFFFFFEu;
    EXPECT_EQ(random.NextRandom(1), 0u);
    EXPECT_EQ(random.GeneratorSeed, 0xFFFFFFFEu * 134775813u + 1u);
}

TEST_F(RandomTest, ResultUsesTheUpperHalfOfTheProduct) {
    // Seed 0x80000000 steps to 0x80000001, a little over half the range.
    random.GeneratorSeed = 0x80000000u;
    EXPECT_EQ(random.NextRandom(52), 26u);
    random.GeneratorSeed = 0x80000000u;
    EXPECT_EQ(random.NextRandom(0xFFFFFFFFu), 0x80000000u);
    random.GeneratorSeed = 0x80000000u;
    EXPECT_EQ(random.NextRandom(1u << 31), 1u << 30);
    // The largest seed with the largest n stays below n.
    random.GeneratorSeed = 0x4D60AE66u;  // one step before 0xFFFFFFFF
    const std::uint32_t value = random.NextRandom(0xFFFFFFFFu);
    EXPECT_EQ(random.GeneratorSeed, 0xFFFFFFFFu);
    EXPECT_EQ(value, 0xFFFFFFFEu);
}

TEST_F(RandomTest, RestoringTheSeedRepeatsTheSequence) {
    random.GeneratorSeed = 0xC0FFEEu;
    const std::vector<std::uint32_t> first = Draw(52, 200);
    const std::uint32_t after = random.GeneratorSeed;
    random.GeneratorSeed = 0xC0FFEEu;
    EXPECT_EQ(Draw(52, 200), first);
    EXPECT_EQ(random.GeneratorSeed, after);
}

TEST_F(RandomTest, DrawsStayBelowTheirBound) {
    for (std::uint32_t n : {2u, 3u, 14u, 52u, 104u}) {
        for (std::uint32_t value : Draw(n, 2000)) ASSERT_LT(value, n) << "bound " << n;
    }
}

TEST_F(RandomTest, SeedFromClockTakesLowHalfOfPerformanceCounter) {
    FakeClock clock(777);
    clock.counter = 0x123456789ABCull;
    {
        const ScopedClock scoped(clock);
        random.SeedFromClock();
    }
    EXPECT_EQ(random.GeneratorSeed, 0x56789ABCu);
    EXPECT_EQ(clock.reads, 0u);
}

TEST_F(RandomTest, SeedFromClockFallsBackToTickCount) {
    FakeClock clock(777);
    clock.hasCounter = false;
    {
        const ScopedClock scoped(clock);
        random.SeedFromClock();
    }
    EXPECT_EQ(random.GeneratorSeed, 777u);
    EXPECT_EQ(clock.reads, 1u);
}

}  // namespace
