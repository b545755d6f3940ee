#include <gtest/gtest.h>

#include <vector>

#include "FakeClock.h"
#include "ScopedSeed.h"
#include "cards/Random.h"

namespace {

// Every test starts from a known seed and leaves the process-wide seed as it found it.
class RandomTest : public ::testing::Test {
protected:
    ScopedSeed seeded{0};

    static std::vector<std::uint32_t> Draw(std::uint32_t n, int times) {
        std::vector<std::uint32_t> values;
        for (int i = 0; i < times; ++i) values.push_back(NextRandom(n));
        return values;
    }
};

TEST_F(RandomTest, FirstDrawsOfFiftyTwoFromSeedZero) {
    const std::vector<std::uint32_t> expectedValues{0, 1, 44, 10, 14, 34};
    const std::vector<std::uint32_t> expectedSeeds{1u,         134775814u,  3698175007u,
                                                   870078620u, 1172187917u, 2884733762u};
    for (std::size_t i = 0; i < expectedValues.size(); ++i) {
        EXPECT_EQ(NextRandom(52), expectedValues[i]) << "draw " << i;
        EXPECT_EQ(GeneratorSeed, expectedSeeds[i]) << "draw " << i;
    }
}

TEST_F(RandomTest, FirstDrawsOfFourteenFromSeedZero) {
    EXPECT_EQ(Draw(14, 6), (std::vector<std::uint32_t>{0, 0, 12, 2, 3, 9}));
}

TEST_F(RandomTest, DrawsOfOneAndZeroGiveZeroAndStillAdvance) {
    EXPECT_EQ(NextRandom(1), 0u);
    EXPECT_EQ(GeneratorSeed, 1u);
    EXPECT_EQ(NextRandom(0), 0u);
    EXPECT_EQ(GeneratorSeed, 134775814u);
    // A seed near the top of the range must not push a draw of one out of 0..0.
    GeneratorSeed = 0xFFFFFFFEu;
    EXPECT_EQ(NextRandom(1), 0u);
    EXPECT_EQ(GeneratorSeed, 0xFFFFFFFEu * 134775813u + 1u);
}

TEST_F(RandomTest, ResultUsesTheUpperHalfOfTheProduct) {
    // Seed 0x80000000 steps to 0x80000001, a little over half the range.
    GeneratorSeed = 0x80000000u;
    EXPECT_EQ(NextRandom(52), 26u);
    GeneratorSeed = 0x80000000u;
    EXPECT_EQ(NextRandom(0xFFFFFFFFu), 0x80000000u);
    GeneratorSeed = 0x80000000u;
    EXPECT_EQ(NextRandom(1u << 31), 1u << 30);
    // The largest seed with the largest n stays below n.
    GeneratorSeed = 0x4D60AE66u;  // one step before 0xFFFFFFFF
    const std::uint32_t value = NextRandom(0xFFFFFFFFu);
    EXPECT_EQ(GeneratorSeed, 0xFFFFFFFFu);
    EXPECT_EQ(value, 0xFFFFFFFEu);
}

TEST_F(RandomTest, RestoringTheSeedRepeatsTheSequence) {
    GeneratorSeed = 0xC0FFEEu;
    const std::vector<std::uint32_t> first = Draw(52, 200);
    const std::uint32_t after = GeneratorSeed;
    GeneratorSeed = 0xC0FFEEu;
    EXPECT_EQ(Draw(52, 200), first);
    EXPECT_EQ(GeneratorSeed, after);
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
        SeedFromClock();
    }
    EXPECT_EQ(GeneratorSeed, 0x56789ABCu);
    EXPECT_EQ(clock.reads, 0u);
}

TEST_F(RandomTest, SeedFromClockFallsBackToTickCount) {
    FakeClock clock(777);
    clock.hasCounter = false;
    {
        const ScopedClock scoped(clock);
        SeedFromClock();
    }
    EXPECT_EQ(GeneratorSeed, 777u);
    EXPECT_EQ(clock.reads, 1u);
}

}  // namespace
