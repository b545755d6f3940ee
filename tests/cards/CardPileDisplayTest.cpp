#include <gtest/gtest.h>

#include <QImage>
#include <QPoint>
#include <memory>
#include <vector>

#include "CardTestSupport.h"
#include "cards/CardPile.h"

namespace {

using cardtest::FlushLog;
using cardtest::PatternSurface;
using cardtest::TwoReadsAWait;

QRect CardRect(int x, int y) {
    return {x, y, CardWidth, CardHeight};
}

// Where a slide stood after each step. Checks on the way that every step waited once, before its
// redraw, and that the saved background stayed intact.
std::vector<QPoint> Slide(QPoint from, QPoint to) {
    Surface surface = PatternSurface(300, 300);
    const QImage before = surface.Image();
    CardPile pile(from.x(), from.y(), 0, 0, 1);
    pile.AddCard(3, 13, 0);
    pile.Show(&surface);
    FlushLog log(surface);

    std::vector<QPoint> seen;
    std::vector<std::size_t> flushesSeen;
    FakeClock clock = TwoReadsAWait([&] {
        seen.emplace_back(pile.X(), pile.Y());
        flushesSeen.push_back(log.rects.size());
    });
    {
        const ScopedClock guard(clock);
        pile.Relocate(&surface, to.x(), to.y(), true);
    }

    std::vector<QPoint> stops;
    EXPECT_EQ(clock.reads % 2, 0u) << "every wait takes two reads of this clock";
    const int waits = static_cast<int>(clock.reads / 2);
    for (int wait = 0; wait < waits; ++wait) {
        const auto first = static_cast<std::size_t>(2 * wait);
        // The pile stands still while it waits, and each wait comes before its step is drawn.
        EXPECT_EQ(seen[first], seen[first + 1]);
        EXPECT_EQ(flushesSeen[first], static_cast<std::size_t>(2 * wait));
        if (wait > 0) stops.push_back(seen[first]);
    }
    if (waits > 0) stops.emplace_back(pile.X(), pile.Y());

    // Each step takes the card off its old place and draws it on the new one.
    EXPECT_EQ(log.rects.size(), static_cast<std::size_t>(2 * waits));
    QPoint previous = from;
    for (std::size_t step = 0; step < stops.size() && 2 * step + 1 < log.rects.size(); ++step) {
        EXPECT_EQ(log.rects[2 * step], CardRect(previous.x(), previous.y()) & surface.Image().rect());
        EXPECT_EQ(log.rects[2 * step + 1],
                  CardRect(stops[step].x(), stops[step].y()) & surface.Image().rect());
        previous = stops[step];
    }
    EXPECT_FALSE(pile.Hidden());
    pile.Hide(&surface);
    EXPECT_EQ(surface.Image(), before) << "the slide kept the saved background intact";
    return stops;
}

// Steps of thirty pixels along the line, a full step landing exactly, and the last step short. A
// hidden pile makes the same waits unseen (CardPileMoveTest below).
TEST(CardPileSlideTest, StepsThirtyPixelsAlongTheLineAndLandsExactly) {
    const struct {
        QPoint from;
        QPoint to;
        std::vector<QPoint> stops;
    } cases[] = {
        {{0, 0}, {100, 0}, {{30, 0}, {60, 0}, {90, 0}, {100, 0}}},
        {{0, 0}, {90, 120}, {{18, 24}, {36, 48}, {54, 72}, {72, 96}, {90, 120}}},
        {{0, 0}, {20, 5}, {{20, 5}}},
        {{100, 0}, {0, 0}, {{70, 0}, {40, 0}, {10, 0}, {0, 0}}},
        {{0, 200}, {0, 260}, {{0, 230}, {0, 260}}},
        {{10, 10}, {-40, 10}, {{-20, 10}, {-40, 10}}},
        {{40, 40}, {40, 40}, {}},
    };
    for (const auto& one : cases) {
        SCOPED_TRACE(testing::Message() << "from " << one.from.x() << "," << one.from.y());
        EXPECT_EQ(Slide(one.from, one.to), one.stops);
    }
}

TEST(CardPileSlideTest, OverlappingPileSlidesWithoutSmearing) {
    Surface surface = PatternSurface(300, 300);
    const QImage before = surface.Image();
    CardPile pile(10, 10, 0, 15, 3);
    pile.FillDeck(3, 11, 13, 0);
    pile.Show(&surface);
    FakeClock clock = TwoReadsAWait();
    {
        const ScopedClock guard(clock);
        pile.Relocate(&surface, 25, 20, true);
        pile.Relocate(&surface, 150, 120, true);
    }
    pile.Hide(&surface);
    EXPECT_EQ(surface.Image(), before);
}

TEST(CardPileRelocateTest, WithoutSlideJumpsAndRedrawsInPlace) {
    Surface surface = PatternSurface(200, 200);
    const QImage before = surface.Image();
    CardPile pile(10, 10, 0, 0, 1);
    pile.AddCard(2, 6, 0);
    pile.Show(&surface);
    const QImage shown = surface.Image();
    FlushLog log(surface);
    FakeClock clock = TwoReadsAWait();
    const ScopedClock guard(clock);

    pile.Relocate(&surface, 10, 10, false);
    EXPECT_EQ(log.rects, (std::vector<QRect>{CardRect(10, 10), CardRect(10, 10)}));
    EXPECT_EQ(surface.Image(), shown);

    pile.Relocate(&surface, 120, 90, false);
    EXPECT_EQ(clock.reads, 0u);
    EXPECT_EQ(pile.X(), 120);
    EXPECT_EQ(pile.Y(), 90);
    EXPECT_FALSE(pile.Hidden());
    pile.Hide(&surface);
    EXPECT_EQ(surface.Image(), before);
}

TEST(CardPileRelocateTest, HiddenPileOrNullSurfaceOnlyMoves) {
    Surface surface = PatternSurface(200, 200);
    FlushLog log(surface);
    CardPile hidden(0, 0, 0, 0, 1);
    hidden.AddCard(0, 5, 0);
    hidden.Relocate(&surface, 50, 60, false);
    EXPECT_EQ(hidden.X(), 50);
    EXPECT_TRUE(hidden.Hidden());

    CardPile shown(0, 0, 0, 0, 1);
    shown.AddCard(0, 6, 0);
    shown.Show(&surface);
    log.rects.clear();
    shown.Relocate(nullptr, 70, 80, false);
    EXPECT_EQ(shown.Y(), 80);
    EXPECT_FALSE(shown.Hidden());
    EXPECT_TRUE(log.rects.empty());
}

TEST(CardPileShowTest, ThreeOverlappingCardsShowAndHideExactly) {
    Surface surface = PatternSurface(160, 160);
    const QImage before = surface.Image();
    FlushLog log(surface);
    CardPile pile(20, 30, 4, 15, 5);
    pile.FillDeck(1, 1, 3, 0);
    pile.Show(&surface);
    EXPECT_FALSE(pile.Hidden());

    // The same cards drawn one by one, bottom first.
    Surface expected = PatternSurface(160, 160);
    for (int i = 1; i <= 3; ++i) Card(1, i, 0).Draw(&expected, pile.CardX(i), pile.CardY(i), false);
    EXPECT_EQ(surface.Image(), expected.Image());
    EXPECT_EQ(log.rects, (std::vector<QRect>{CardRect(20, 30), CardRect(24, 45), CardRect(28, 60)}));

    log.rects.clear();
    pile.Hide(&surface);
    EXPECT_TRUE(pile.Hidden());
    EXPECT_EQ(log.rects, (std::vector<QRect>{CardRect(28, 60), CardRect(24, 45), CardRect(20, 30)}));
    EXPECT_EQ(surface.Image(), before);
}

TEST(CardPileShowTest, ShowingTwiceDrawsAndSavesNothing) {
    Surface surface = PatternSurface(100, 100);
    const QImage before = surface.Image();
    CardPile pile(5, 5, 0, 0, 1);
    pile.AddCard(0, 9, 0);
    pile.Show(&surface);
    surface.FillRect(surface.Image().rect(), 0x00336699);
    FlushLog log(surface);
    pile.Show(&surface);
    EXPECT_TRUE(log.rects.empty());
    pile.Hide(&surface);
    pile.Hide(&surface);
    EXPECT_EQ(log.rects.size(), 1u);
    // The first showing's background came back, so the second saved nothing.
    EXPECT_EQ(surface.Image().copy(CardRect(5, 5)), before.copy(CardRect(5, 5)));
}

TEST(CardPileShowTest, EmptyPileChangesStateButNotTheSurface) {
    Surface surface = PatternSurface(100, 100);
    FlushLog log(surface);
    CardPile pile(5, 5, 0, 0, 1);
    pile.Show(&surface);
    EXPECT_FALSE(pile.Hidden());
    pile.Repaint(&surface);
    pile.Hide(&surface);
    EXPECT_TRUE(pile.Hidden());
    EXPECT_TRUE(log.rects.empty());
}

TEST(CardPileShowTest, NullSurfaceKeepsTheState) {
    Surface surface = PatternSurface(100, 100);
    const QImage before = surface.Image();
    CardPile pile(5, 5, 0, 0, 1);
    pile.AddCard(1, 1, 0);
    pile.Show(nullptr);
    EXPECT_TRUE(pile.Hidden());
    pile.Show(&surface);
    pile.Hide(nullptr);
    pile.Repaint(nullptr);
    EXPECT_FALSE(pile.Hidden());
    pile.Hide(&surface);
    EXPECT_EQ(surface.Image(), before);
}

TEST(CardPileShowTest, RepaintRedrawsOverAnErasedSurfaceAndKeepsBackgrounds) {
    Surface surface = PatternSurface(120, 120);
    const QImage before = surface.Image();
    CardPile pile(10, 10, 0, 15, 2);
    pile.FillDeck(2, 1, 2, 0);
    pile.Repaint(&surface);
    EXPECT_EQ(surface.Image(), before) << "a hidden pile does not repaint";

    pile.Show(&surface);
    surface.FillRect(surface.Image().rect(), 0x00408000);
    Surface expected(120, 120, 0x00408000);
    for (int i = 1; i <= 2; ++i) Card(2, i, 0).Draw(&expected, pile.CardX(i), pile.CardY(i), false);
    pile.Repaint(&surface);
    EXPECT_EQ(surface.Image(), expected.Image());

    pile.Hide(&surface);
    EXPECT_EQ(surface.Image().copy(10, 10, 43, 75), before.copy(10, 10, 43, 75));
}

TEST(CardPileShowTest, ClearOnAShownPileKeepsItShown) {
    Surface surface = PatternSurface(100, 100);
    CardPile pile(5, 5, 0, 0, 3);
    pile.FillDeck(0, 1, 3, 0);
    pile.Show(&surface);
    const QImage shown = surface.Image();
    pile.Clear();
    EXPECT_FALSE(pile.Hidden());
    EXPECT_EQ(pile.Count(), 0);
    EXPECT_EQ(surface.Image(), shown);
}

TEST(CardPileLiftTest, LiftedCardsOfAShownPileStayShownWithTheirBackgrounds) {
    Surface surface = PatternSurface(150, 150);
    const QImage before = surface.Image();
    CardPile pile(20, 20, 0, 15, 4);
    pile.FillDeck(3, 1, 4, 0);
    pile.Show(&surface);
    const QImage shown = surface.Image();
    FlushLog log(surface);

    std::unique_ptr<CardPile> hand;
    ASSERT_TRUE(pile.TakeTop(hand));
    std::unique_ptr<CardPile> run;
    ASSERT_TRUE(pile.Split(run, 2));
    EXPECT_FALSE(hand->Hidden());
    EXPECT_FALSE(run->Hidden());
    EXPECT_TRUE(log.rects.empty());
    EXPECT_EQ(surface.Image(), shown);

    hand->Hide(&surface);
    run->Hide(&surface);
    pile.Hide(&surface);
    EXPECT_EQ(surface.Image(), before);
}

TEST(CardPileMoveTest, OntoAHiddenPileTheSourceLeavesFirstAndNothingIsDrawn) {
    Surface surface = PatternSurface(300, 200);
    const QImage before = surface.Image();
    CardPile destination(10, 10, 0, 0, 2);
    auto source = std::make_unique<CardPile>(130, 10, 0, 0, 1);
    source->AddCard(1, 4, 0);
    source->Show(&surface);
    FlushLog log(surface);

    int readsWithSourceOnSurface = 0;
    FakeClock clock = TwoReadsAWait([&] {
        if (surface.Image() != before) ++readsWithSourceOnSurface;
    });
    {
        const ScopedClock guard(clock);
        ASSERT_TRUE(destination.MoveOnto(&surface, source, true));
    }
    EXPECT_FALSE(source);
    EXPECT_EQ(clock.reads, 8u) << "the invisible slide still waits four times";
    EXPECT_EQ(readsWithSourceOnSurface, 0);
    EXPECT_EQ(log.rects, (std::vector<QRect>{CardRect(130, 10)}));
    EXPECT_EQ(surface.Image(), before);
    EXPECT_TRUE(destination.Hidden());
    EXPECT_EQ(destination.TopRank(), 4);
}

TEST(CardPileMoveTest, OntoAShownPileTheSourceSlidesAndIsRedrawnAsPartOfIt) {
    Surface surface = PatternSurface(300, 200);
    const QImage before = surface.Image();
    CardPile destination(10, 10, 0, 15, 3);
    destination.FillDeck(0, 1, 1, 0);
    destination.Show(&surface);
    auto source = std::make_unique<CardPile>(130, 25, 0, 0, 1);
    source->AddCard(0, 2, 0);
    source->Show(&surface);
    FlushLog log(surface);

    FakeClock clock = TwoReadsAWait();
    {
        const ScopedClock guard(clock);
        ASSERT_TRUE(destination.MoveOnto(&surface, source, true));
    }
    EXPECT_EQ(clock.reads, 8u);
    // Four steps of a restore and a draw, the source taken off, then drawn again as card 2.
    ASSERT_EQ(log.rects.size(), 10u);
    EXPECT_EQ(log.rects[7], CardRect(10, 25));
    EXPECT_EQ(log.rects[8], CardRect(10, 25));
    EXPECT_EQ(log.rects[9], CardRect(10, 25));

    Surface expected = PatternSurface(300, 200);
    Card(0, 1, 0).Draw(&expected, 10, 10, false);
    Card(0, 2, 0).Draw(&expected, 10, 25, false);
    EXPECT_EQ(surface.Image(), expected.Image());

    // A hidden source, such as a card from the deck, appears at once.
    auto fromDeck = std::make_unique<CardPile>(250, 150, 0, 0, 1);
    fromDeck->AddCard(0, 3, 0);
    log.rects.clear();
    ASSERT_TRUE(destination.MoveOnto(&surface, fromDeck, false));
    EXPECT_EQ(log.rects, (std::vector<QRect>{CardRect(10, 40)}));
    EXPECT_EQ(clock.reads, 8u);

    destination.Hide(&surface);
    EXPECT_EQ(surface.Image(), before);
}

TEST(CardPileMoveTest, FailedMoveDrawsNothing) {
    Surface surface = PatternSurface(200, 200);
    CardPile destination(10, 10, 0, 0, 1);
    destination.AddCard(0, 1, 0);
    destination.Show(&surface);
    auto source = std::make_unique<CardPile>(100, 100, 0, 0, 1);
    source->AddCard(0, 2, 0);
    source->Show(&surface);
    const QImage shown = surface.Image();
    FlushLog log(surface);
    EXPECT_FALSE(destination.MoveOnto(&surface, source, true));
    EXPECT_TRUE(log.rects.empty());
    EXPECT_EQ(surface.Image(), shown);
    EXPECT_FALSE(source->Hidden());
    EXPECT_EQ(source->X(), 100);
}

}  // namespace
