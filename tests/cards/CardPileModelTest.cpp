#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

#include "cards/CardPile.h"
#include "cards/RandomSource.h"

namespace {

using SuitRank = std::pair<int, int>;

std::vector<SuitRank> Contents(const CardPile& pile) {
    std::vector<SuitRank> cards;
    for (int i = 1; i <= pile.Count(); ++i) cards.emplace_back(pile.SuitAt(i), pile.RankAt(i));
    return cards;
}

std::uint32_t SeedAfterSteps(std::uint32_t seed, int steps) {
    for (int i = 0; i < steps; ++i) seed = seed * 134775813u + 1u;
    return seed;
}

// Every test starts from seed 0 and leaves the process-wide seed as it found it.
class CardPileModelTest : public ::testing::Test {
protected:
    RandomSource random;
};

TEST_F(CardPileModelTest, NewPileIsEmptyHiddenAndClampsItsCapacity) {
    const CardPile pile(12, -7, 3, 15, 52);
    EXPECT_EQ(pile.X(), 12);
    EXPECT_EQ(pile.Y(), -7);
    EXPECT_EQ(pile.SpreadX(), 3);
    EXPECT_EQ(pile.SpreadY(), 15);
    EXPECT_EQ(pile.Capacity(), 52);
    EXPECT_EQ(pile.Count(), 0);
    EXPECT_EQ(pile.FaceDownCount(), 0);
    EXPECT_TRUE(pile.Hidden());

    EXPECT_EQ(CardPile(0, 0, 0, 0, 0).Capacity(), 1);
    EXPECT_EQ(CardPile(0, 0, 0, 0, -5).Capacity(), 1);
    EXPECT_EQ(CardPile(0, 0, 0, 0, 104).Capacity(), 104);
    EXPECT_EQ(CardPile(0, 0, 0, 0, 200).Capacity(), 104);
}

TEST_F(CardPileModelTest, AddCardFillsUpToCapacity) {
    CardPile pile(0, 0, 0, 0, 1);
    EXPECT_TRUE(pile.AddCard(3, 12, 4));
    EXPECT_FALSE(pile.AddCard(0, 1, 4));
    EXPECT_EQ(pile.Count(), 1);
    EXPECT_EQ(pile.TopSuit(), 3);
    EXPECT_EQ(pile.TopRank(), 12);
}

TEST_F(CardPileModelTest, AddCardWithRandomBackDrawsEvenWhenFull) {
    CardPile pile(0, 0, 0, 0, 1);
    EXPECT_TRUE(pile.AddCard(0, 1, -1, random));
    EXPECT_EQ(random.GeneratorSeed, 1u);
    EXPECT_FALSE(pile.AddCard(0, 2, -7, random));
    EXPECT_EQ(random.GeneratorSeed, 134775814u);
    EXPECT_FALSE(pile.AddCard(0, 1, 99, random));  // a fixed back draws nothing
    EXPECT_EQ(random.GeneratorSeed, 134775814u);
}

TEST_F(CardPileModelTest, AddCardClampsSuitAndRank) {
    CardPile pile(0, 0, 0, 0, 2);
    pile.AddCard(-4, 0, 0);
    pile.AddCard(8, 14, 0);
    EXPECT_EQ(Contents(pile), (std::vector<SuitRank>{{0, 1}, {3, 13}}));
}

TEST_F(CardPileModelTest, FullDeckComesInSuitThenRankOrder) {
    CardPile pile(0, 0, 0, 0, 52);
    EXPECT_TRUE(pile.FillDeck(6, 1, 13, 1, random));
    EXPECT_EQ(random.GeneratorSeed, 0u);
    ASSERT_EQ(pile.Count(), 52);
    for (int i = 1; i <= 52; ++i) {
        EXPECT_EQ(pile.SuitAt(i), (i - 1) / 13) << i;
        EXPECT_EQ(pile.RankAt(i), (i - 1) % 13 + 1) << i;
    }
}

TEST_F(CardPileModelTest, FillDeckStopsWhenThePileIsFull) {
    CardPile pile(0, 0, 0, 0, 10);
    EXPECT_FALSE(pile.FillDeck(6, 1, 13, 1));
    std::vector<SuitRank> clubsToTen;
    for (int rank = 1; rank <= 10; ++rank) clubsToTen.emplace_back(0, rank);
    EXPECT_EQ(Contents(pile), clubsToTen);
}

TEST_F(CardPileModelTest, FillDeckKindsSelectSuitsInOrder) {
    CardPile twoSuits(0, 0, 0, 0, 104);
    EXPECT_TRUE(twoSuits.FillDeck(4, 12, 13, 2));
    EXPECT_EQ(Contents(twoSuits), (std::vector<SuitRank>{{0, 12}, {0, 13}, {1, 12}, {1, 13}}));

    CardPile red(0, 0, 0, 0, 104);
    EXPECT_TRUE(red.FillDeck(5, 1, 1, 0));
    EXPECT_EQ(Contents(red), (std::vector<SuitRank>{{2, 1}, {3, 1}}));

    for (int kind = 0; kind <= 3; ++kind) {
        CardPile single(0, 0, 0, 0, 104);
        EXPECT_TRUE(single.FillDeck(kind, 5, 6, 0));
        EXPECT_EQ(Contents(single), (std::vector<SuitRank>{{kind, 5}, {kind, 6}})) << kind;
    }
}

TEST_F(CardPileModelTest, FillDeckWithoutSuitsOrRanksAppendsNothingButStillDrawsTheBack) {
    for (int kind : {7, -1, 100}) {
        CardPile pile(0, 0, 0, 0, 104);
        random.GeneratorSeed = 0;
        pile.FillDeck(kind, 1, 13, -1, random);
        EXPECT_EQ(pile.Count(), 0) << kind;
        EXPECT_EQ(random.GeneratorSeed, 1u) << kind;
    }
    CardPile reversed(0, 0, 0, 0, 104);
    random.GeneratorSeed = 0;
    reversed.FillDeck(6, 13, 1, -1, random);
    EXPECT_EQ(reversed.Count(), 0);
    EXPECT_EQ(random.GeneratorSeed, 1u);
}

TEST_F(CardPileModelTest, FillDeckRandomBackIsDrawnOnceForTheWholeCall) {
    CardPile pile(0, 0, 0, 0, 104);
    EXPECT_TRUE(pile.FillDeck(6, 1, 13, -1, random));
    EXPECT_EQ(pile.Count(), 52);
    EXPECT_EQ(random.GeneratorSeed, 1u);
}

TEST_F(CardPileModelTest, FillDeckClampsOutOfRangeRanks) {
    CardPile pile(0, 0, 0, 0, 104);
    EXPECT_TRUE(pile.FillDeck(0, 0, 14, 0));
    ASSERT_EQ(pile.Count(), 15);
    EXPECT_EQ(pile.RankAt(1), 1);
    EXPECT_EQ(pile.RankAt(2), 1);
    for (int i = 3; i <= 14; ++i) EXPECT_EQ(pile.RankAt(i), i - 1);
    EXPECT_EQ(pile.RankAt(15), 13);
    for (int i = 1; i <= 15; ++i) EXPECT_EQ(pile.SuitAt(i), 0);
}

TEST_F(CardPileModelTest, ShuffleOfAFullDeckFromSeedZero) {
    CardPile deck(0, 0, 0, 0, 52);
    deck.FillDeck(6, 1, 13, 1);
    deck.Shuffle(random);
    EXPECT_EQ(deck.Count(), 52);
    EXPECT_EQ(deck.SuitAt(52), 2);
    EXPECT_EQ(deck.RankAt(52), 6);
    EXPECT_EQ(deck.SuitAt(1), 3);
    EXPECT_EQ(deck.RankAt(1), 9);
    EXPECT_EQ(random.GeneratorSeed, 1937924960u);
    EXPECT_EQ(random.GeneratorSeed, SeedAfterSteps(0, 10400));

    // Still one of each card.
    std::vector<int> seen(52, 0);
    for (int i = 1; i <= 52; ++i) ++seen[static_cast<std::size_t>(deck.SuitAt(i) * 13 + deck.RankAt(i) - 1)];
    EXPECT_EQ(seen, std::vector<int>(52, 1));
}

TEST_F(CardPileModelTest, ShuffleDependsOnTheSeedAlone) {
    auto dealFrom = [this](std::uint32_t seed) {
        random.GeneratorSeed = seed;
        CardPile deck(0, 0, 0, 0, 52);
        deck.FillDeck(6, 1, 13, 1);
        deck.Shuffle(random);
        return Contents(deck);
    };
    EXPECT_EQ(dealFrom(0xDEADBEEFu), dealFrom(0xDEADBEEFu));
    EXPECT_NE(dealFrom(0xDEADBEEFu), dealFrom(0xDEADBEF0u));
}

TEST_F(CardPileModelTest, ShuffleDrawsTwoHundredPerCardAndNothingBelowTwo) {
    CardPile pile(0, 0, 0, 0, 104);
    random.GeneratorSeed = 77;
    pile.Shuffle(random);
    EXPECT_EQ(random.GeneratorSeed, 77u);
    pile.AddCard(1, 1, 0);
    pile.Shuffle(random);
    EXPECT_EQ(random.GeneratorSeed, 77u);
    pile.AddCard(1, 2, 0);
    pile.AddCard(1, 3, 0);
    pile.Shuffle(random);
    EXPECT_EQ(random.GeneratorSeed, SeedAfterSteps(77, 600));
}

TEST_F(CardPileModelTest, ClearEmptiesAndKeepsTheHiddenFlag) {
    CardPile pile(0, 0, 0, 0, 10);
    pile.FillDeck(0, 1, 5, 0);
    pile.Clear();
    EXPECT_EQ(pile.Count(), 0);
    EXPECT_EQ(pile.TopRank(), -1);
    EXPECT_EQ(pile.SuitAt(1), -1);
    EXPECT_TRUE(pile.Hidden());
    EXPECT_TRUE(pile.AddCard(2, 2, 0));
}

TEST_F(CardPileModelTest, SplitFailuresChangeNothing) {
    CardPile pile(0, 0, 0, 15, 10);
    pile.FillDeck(0, 1, 5, 0);
    const auto before = Contents(pile);

    std::unique_ptr<CardPile> occupied = std::make_unique<CardPile>(1, 2, 0, 0, 3);
    CardPile* const occupant = occupied.get();
    EXPECT_FALSE(pile.Split(occupied, 1, 2));
    EXPECT_EQ(occupied.get(), occupant);
    EXPECT_EQ(occupant->Count(), 0);

    std::unique_ptr<CardPile> target;
    EXPECT_FALSE(pile.Split(target, 3, 2));  // first > last
    EXPECT_FALSE(pile.Split(target, 4, 6));  // last > count
    EXPECT_FALSE(pile.Split(target, 0, 2));  // first < 1
    EXPECT_FALSE(pile.Split(target, -3, 2));
    EXPECT_FALSE(pile.Split(target, 6));  // from above the top card
    EXPECT_FALSE(target);
    EXPECT_EQ(Contents(pile), before);
}

TEST_F(CardPileModelTest, SplitLiftsARunIntoANewPileWhereItStood) {
    CardPile pile(100, 50, 0, 15, 10);
    pile.FillDeck(0, 1, 5, 0);
    std::unique_ptr<CardPile> target;
    ASSERT_TRUE(pile.Split(target, 2));
    ASSERT_TRUE(target);
    EXPECT_EQ(target->Count(), 4);
    EXPECT_EQ(target->Capacity(), 4);
    EXPECT_EQ(target->X(), 100);
    EXPECT_EQ(target->Y(), 65);
    EXPECT_EQ(target->SpreadX(), 0);
    EXPECT_EQ(target->SpreadY(), 15);
    EXPECT_TRUE(target->Hidden());
    EXPECT_EQ(Contents(*target), (std::vector<SuitRank>{{0, 2}, {0, 3}, {0, 4}, {0, 5}}));
    EXPECT_EQ(Contents(pile), (std::vector<SuitRank>{{0, 1}}));
    EXPECT_EQ(pile.SuitAt(2), -1);
}

TEST_F(CardPileModelTest, SplitFromTheMiddleClosesTheGap) {
    CardPile pile(10, 20, 4, 2, 10);
    pile.FillDeck(1, 1, 6, 0);
    std::unique_ptr<CardPile> target;
    ASSERT_TRUE(pile.Split(target, 2, 3));
    EXPECT_EQ(target->X(), 14);
    EXPECT_EQ(target->Y(), 22);
    EXPECT_EQ(Contents(*target), (std::vector<SuitRank>{{1, 2}, {1, 3}}));
    EXPECT_EQ(Contents(pile), (std::vector<SuitRank>{{1, 1}, {1, 4}, {1, 5}, {1, 6}}));
    for (int i = 5; i <= 10; ++i) EXPECT_EQ(pile.RankAt(i), -1) << i;
    EXPECT_EQ(pile.Capacity(), 10);
}

TEST_F(CardPileModelTest, TakeTopOfEmptyAndOfSingleCardPile) {
    CardPile place(56, 117, 0, 0, 1);
    std::unique_ptr<CardPile> hand;
    EXPECT_FALSE(place.TakeTop(hand));
    EXPECT_FALSE(hand);

    place.AddCard(3, 13, 0);
    ASSERT_TRUE(place.TakeTop(hand));
    EXPECT_EQ(place.Count(), 0);
    EXPECT_EQ(hand->Capacity(), 1);
    EXPECT_EQ(hand->X(), 56);
    EXPECT_EQ(hand->Y(), 117);
    EXPECT_EQ(Contents(*hand), (std::vector<SuitRank>{{3, 13}}));
    EXPECT_FALSE(place.TakeTop(hand));
}

TEST_F(CardPileModelTest, MoveOntoWithoutSurfaceMovesTheCards) {
    CardPile destination(0, 0, 0, 0, 5);
    destination.FillDeck(0, 1, 3, 0);
    auto source = std::make_unique<CardPile>(200, 200, 0, 0, 2);
    source->FillDeck(2, 4, 5, 0);
    ASSERT_TRUE(destination.MoveOnto(nullptr, source, false));
    EXPECT_FALSE(source);
    EXPECT_EQ(Contents(destination), (std::vector<SuitRank>{{0, 1}, {0, 2}, {0, 3}, {2, 4}, {2, 5}}));
    EXPECT_TRUE(destination.Hidden());
}

TEST_F(CardPileModelTest, MoveOntoOneCardTooManyChangesNothing) {
    CardPile destination(0, 0, 0, 0, 4);
    destination.FillDeck(0, 1, 2, 0);
    auto source = std::make_unique<CardPile>(9, 9, 0, 0, 3);
    source->FillDeck(1, 1, 3, 0);
    CardPile* const original = source.get();
    EXPECT_FALSE(destination.MoveOnto(nullptr, source, false));
    EXPECT_EQ(source.get(), original);
    EXPECT_EQ(Contents(*source), (std::vector<SuitRank>{{1, 1}, {1, 2}, {1, 3}}));
    EXPECT_EQ(source->X(), 9);
    EXPECT_EQ(Contents(destination), (std::vector<SuitRank>{{0, 1}, {0, 2}}));
}

TEST_F(CardPileModelTest, MoveOntoRefusesMissingEmptyOrSelfSources) {
    CardPile destination(0, 0, 0, 0, 4);
    destination.AddCard(0, 1, 0);
    std::unique_ptr<CardPile> none;
    EXPECT_FALSE(destination.MoveOnto(nullptr, none, false));

    auto empty = std::make_unique<CardPile>(0, 0, 0, 0, 3);
    EXPECT_FALSE(destination.MoveOnto(nullptr, empty, false));
    EXPECT_TRUE(empty);

    auto self = std::make_unique<CardPile>(0, 0, 0, 0, 4);
    self->FillDeck(3, 1, 2, 0);
    EXPECT_FALSE(self->MoveOnto(nullptr, self, false));
    ASSERT_TRUE(self);
    EXPECT_EQ(Contents(*self), (std::vector<SuitRank>{{3, 1}, {3, 2}}));
    EXPECT_EQ(Contents(destination), (std::vector<SuitRank>{{0, 1}}));
}

TEST_F(CardPileModelTest, CardPositionsClampTheirIndex) {
    const CardPile pile(100, 50, 3, 15, 5);
    EXPECT_EQ(pile.CardX(0), 100);
    EXPECT_EQ(pile.CardY(-9), 50);
    EXPECT_EQ(pile.CardX(3), 106);
    EXPECT_EQ(pile.CardY(3), 80);
    EXPECT_EQ(pile.CardX(10), pile.CardX(5));
    EXPECT_EQ(pile.CardY(10), 110);
}

TEST_F(CardPileModelTest, QueriesAnswerMinusOneWithoutACard) {
    CardPile pile(0, 0, 0, 0, 5);
    EXPECT_EQ(pile.TopSuit(), -1);
    EXPECT_EQ(pile.TopRank(), -1);
    pile.FillDeck(1, 7, 8, 0);
    EXPECT_EQ(pile.TopSuit(), 1);
    EXPECT_EQ(pile.TopRank(), 8);
    EXPECT_EQ(pile.SuitAt(pile.Count() + 1), -1);
    EXPECT_EQ(pile.RankAt(0), -1);
    EXPECT_EQ(pile.SuitAt(6), -1);
    EXPECT_EQ(pile.RankAt(105), -1);
}

TEST_F(CardPileModelTest, HitTestOfAnEmptyPileUsesItsOutline) {
    const CardPile pile(100, 50, 0, 15, 5);
    EXPECT_EQ(pile.HitTest(100, 50), 0);
    EXPECT_EQ(pile.HitTest(142, 109), 0);
    EXPECT_EQ(pile.HitTest(143, 50), -1);
    EXPECT_EQ(pile.HitTest(100, 110), -1);
    EXPECT_EQ(pile.HitTest(99, 50), -1);
    EXPECT_EQ(pile.HitTest(100, 49), -1);
}

TEST_F(CardPileModelTest, HitTestFindsTheTopmostCard) {
    CardPile pile(100, 50, 0, 15, 5);
    pile.FillDeck(0, 1, 3, 0);
    EXPECT_EQ(pile.HitTest(100, 70), 2);  // cards 1 and 2 overlap; 3 starts at 80
    EXPECT_EQ(pile.HitTest(100, 50), 1);
    EXPECT_EQ(pile.HitTest(142, 139), 3);
    EXPECT_EQ(pile.HitTest(120, 85), 3);
    EXPECT_EQ(pile.HitTest(120, 140), -1);
    EXPECT_EQ(pile.HitTest(143, 60), -1);
}

}  // namespace
