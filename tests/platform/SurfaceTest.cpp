#include <gtest/gtest.h>

#include <QFont>
#include <QImage>
#include <chrono>
#include <thread>
#include <vector>

#include "platform/Clock.h"
#include "platform/Surface.h"

namespace {

constexpr std::uint32_t Table = 0x00008000;  // green
constexpr std::uint32_t Ink = 0x000000FF;    // red

// Every pixel that differs between two images of the same size, as a bounding rectangle.
QRect ChangedArea(const QImage& before, const QImage& after) {
    QRect area;
    for (int row = 0; row < before.height(); ++row) {
        for (int column = 0; column < before.width(); ++column) {
            if (before.pixel(column, row) != after.pixel(column, row)) area |= QRect(column, row, 1, 1);
        }
    }
    return area;
}

class SurfaceTest : public ::testing::Test {
protected:
    SurfaceTest() : surface(40, 30, Table) {
        surface.SetFlushHandler([this](const QRect& rect) { flushes.push_back(rect); });
    }

    Surface surface;
    std::vector<QRect> flushes;
};

// The canvas is made only when something else than one colour is drawn; until then the surface
// gives that colour, and the canvas made later starts from the colour last filled in.
TEST_F(SurfaceTest, StartsFilledWithItsColourAndMakesTheCanvasWhenFirstNeeded) {
    EXPECT_EQ(surface.Width(), 40);
    EXPECT_EQ(surface.Height(), 30);
    EXPECT_EQ(surface.Uniform(), qRgb(0, 0x80, 0));
    surface.FillRect(QRect(-5, -5, 50, 40), Ink);
    surface.FillRect(QRect(3, 3, 4, 4), Ink);
    EXPECT_EQ(surface.Uniform(), qRgb(0xFF, 0, 0));
    EXPECT_EQ(flushes, (std::vector<QRect>{QRect(0, 0, 40, 30), QRect(3, 3, 4, 4)}));

    surface.FillRect(QRect(10, 10, 2, 2), Table);
    EXPECT_EQ(surface.Uniform(), std::nullopt);
    EXPECT_EQ(surface.Image().format(), QImage::Format_RGB32);
    EXPECT_EQ(surface.Pixel(0, 0), qRgb(0xFF, 0, 0));
    EXPECT_EQ(surface.Pixel(39, 29), qRgb(0xFF, 0, 0));
    EXPECT_EQ(surface.Pixel(11, 11), qRgb(0, 0x80, 0));
    surface.FillRect(QRect(0, 0, 40, 30), Table);
    EXPECT_EQ(surface.Pixel(0, 0), qRgb(0, 0x80, 0));

    Surface fresh(4, 3, Table);
    EXPECT_EQ(fresh.Pixel(3, 2), qRgb(0, 0x80, 0));
}

TEST_F(SurfaceTest, FillRectIsClippedAndReported) {
    surface.FillRect(QRect(30, 20, 20, 20), Ink);
    ASSERT_EQ(flushes, (std::vector<QRect>{QRect(30, 20, 10, 10)}));
    EXPECT_EQ(surface.Pixel(30, 20), qRgb(0xFF, 0, 0));
    EXPECT_EQ(surface.Pixel(39, 29), qRgb(0xFF, 0, 0));
    EXPECT_EQ(surface.Pixel(29, 20), qRgb(0, 0x80, 0));

    flushes.clear();
    surface.FillRect(QRect(40, 0, 5, 5), Ink);
    surface.FillRect(QRect(-10, -10, 5, 5), Ink);
    surface.FillRect(QRect(), Ink);
    EXPECT_TRUE(flushes.empty());
}

TEST_F(SurfaceTest, BlitReportsWhatChangedAndCopyToReportsNothing) {
    QImage source(10, 10, QImage::Format_RGB32);
    source.fill(qRgb(1, 2, 3));
    surface.Blit(35, -4, source, 0, 0, 10, 10, RasterOp::Copy);
    EXPECT_EQ(flushes, (std::vector<QRect>{QRect(35, 0, 5, 6)}));
    EXPECT_EQ(surface.Pixel(35, 0), qRgb(1, 2, 3));

    flushes.clear();
    QImage copy(5, 6, QImage::Format_RGB32);
    surface.CopyTo(copy, 0, 0, 35, 0, 5, 6);
    EXPECT_TRUE(flushes.empty());
    EXPECT_EQ(copy.pixel(4, 5), qRgb(1, 2, 3));

    surface.Blit(100, 100, source, 0, 0, 10, 10, RasterOp::Or);
    EXPECT_TRUE(flushes.empty());
}

TEST_F(SurfaceTest, BatchesGatherOneFlush) {
    {
        Surface::Batch outer(surface);
        surface.FillRect(QRect(0, 0, 2, 2), Ink);
        {
            Surface::Batch inner(surface);
            surface.FillRect(QRect(10, 10, 2, 2), Ink);
        }
        EXPECT_TRUE(flushes.empty()) << "nothing is flushed while a batch is open";
        surface.FillRect(QRect(5, 20, 1, 1), Ink);
    }
    EXPECT_EQ(flushes, (std::vector<QRect>{QRect(0, 0, 12, 21)}));

    flushes.clear();
    { Surface::Batch idle(surface); }
    EXPECT_TRUE(flushes.empty());

    // After a batch the surface reports each change again.
    surface.FillRect(QRect(1, 1, 1, 1), Ink);
    surface.FillRect(QRect(2, 2, 1, 1), Ink);
    EXPECT_EQ(flushes.size(), 2u);
}

TEST_F(SurfaceTest, FrameRectDrawsOnlyTheBorderInOneFlush) {
    const QImage before = surface.Image();
    surface.FrameRect(QRect(5, 5, 10, 8), 2, Ink);
    EXPECT_EQ(flushes, (std::vector<QRect>{QRect(5, 5, 10, 8)}));
    for (int row = 0; row < 30; ++row) {
        for (int column = 0; column < 40; ++column) {
            const bool inFrame =
                QRect(5, 5, 10, 8).contains(column, row) && !QRect(7, 7, 6, 4).contains(column, row);
            ASSERT_EQ(surface.Pixel(column, row), inFrame ? qRgb(0xFF, 0, 0) : before.pixel(column, row))
                << column << "," << row;
        }
    }
}

TEST_F(SurfaceTest, FrameRectWiderThanTheRectFillsIt) {
    surface.FrameRect(QRect(0, 0, 4, 3), 9, Ink);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 4; ++column) EXPECT_EQ(surface.Pixel(column, row), qRgb(0xFF, 0, 0));
    }
    EXPECT_EQ(surface.Pixel(4, 0), qRgb(0, 0x80, 0));

    flushes.clear();
    surface.FrameRect(QRect(0, 0, 4, 3), 0, Ink);
    surface.FrameRect(QRect(), 2, Ink);
    EXPECT_TRUE(flushes.empty());
}

TEST_F(SurfaceTest, RoundRectOutlineIsReportedAndErasedByRedrawing) {
    const QImage before = surface.Image();
    surface.RoundRectOutline(5, 4, 30, 25, 6, 6, 3, Ink);
    ASSERT_EQ(flushes.size(), 1u);
    const QRect changed = ChangedArea(before, surface.Image());
    EXPECT_FALSE(changed.isEmpty());
    EXPECT_TRUE(flushes[0].contains(changed)) << "flushed area must cover every changed pixel";
    EXPECT_EQ(surface.Pixel(17, 14), qRgb(0, 0x80, 0)) << "the inside is not filled";
    EXPECT_EQ(surface.Pixel(17, 4), qRgb(0xFF, 0, 0));

    surface.RoundRectOutline(5, 4, 30, 25, 6, 6, 3, Table);
    EXPECT_EQ(surface.Image(), before);

    flushes.clear();
    surface.RoundRectOutline(5, 4, 5, 25, 6, 6, 3, Ink);
    surface.RoundRectOutline(5, 4, 30, 25, 6, 6, 0, Ink);
    EXPECT_TRUE(flushes.empty());
    EXPECT_EQ(surface.Image(), before);
}

TEST_F(SurfaceTest, DrawTextChangesOnlyWhatItReports) {
    Surface wide(200, 40, Table);
    std::vector<QRect> textFlushes;
    wide.SetFlushHandler([&](const QRect& rect) { textFlushes.push_back(rect); });
    const QImage before = wide.Image();
    QFont font;
    font.setPixelSize(14);
    wide.DrawText(10, 5, QStringLiteral("Torvik"), font, 0x00FFFFFF);
    const QRect changed = ChangedArea(before, wide.Image());
    ASSERT_FALSE(changed.isEmpty());
    ASSERT_EQ(textFlushes.size(), 1u);
    EXPECT_TRUE(textFlushes[0].contains(changed));
    EXPECT_GE(changed.left(), 10);
    EXPECT_GE(changed.top(), 5);
}

TEST(ClockTest, SystemClockCountsMilliseconds) {
    SystemClock clock;
    std::uint64_t first = 0;
    std::uint64_t second = 0;
    ASSERT_TRUE(clock.PerformanceCounter(first));
    const std::uint32_t start = clock.TickCount();
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    const std::uint32_t elapsed = clock.TickCount() - start;
    ASSERT_TRUE(clock.PerformanceCounter(second));
    EXPECT_GE(elapsed, 29u);
    EXPECT_LT(elapsed, 5000u);
    EXPECT_GT(second, first);
}

}  // namespace
