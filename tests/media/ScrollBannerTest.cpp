#include <gtest/gtest.h>

#include <QImage>

#include "cards/TableGeometry.h"
#include "media/ScrollBanner.h"

namespace {

// The first and last columns that hold anything but black, or -1.
std::pair<int, int> InkedColumns(const QImage& frame) {
    int first = -1;
    int last = -1;
    for (int x = 0; x < frame.width(); ++x) {
        for (int y = 0; y < frame.height(); ++y) {
            if ((frame.pixel(x, y) & 0xFFFFFF) != 0) {
                if (first < 0) first = x;
                last = x;
                break;
            }
        }
    }
    return {first, last};
}

class ScrollBannerTest : public ::testing::Test {
protected:
    ScrollBanner banner;

    void SetUp() override { banner.setGeometry(0, 0, ClientWidth, BannerHeight); }
};

TEST(ScrollBannerFrame, TextLeftEdgeForTheStepsOfAPass) {
    // 318 + 683 is odd: step 750 lands on a half, which goes to the even 500.
    EXPECT_EQ(ScrollBanner::TextLeft(0, 318, 683), 683);
    EXPECT_EQ(ScrollBanner::TextLeft(1, 318, 683), 682);
    EXPECT_EQ(ScrollBanner::TextLeft(750, 318, 683), 500 - 318);
    EXPECT_EQ(ScrollBanner::TextLeft(1500, 318, 683), -318);
    EXPECT_EQ(ScrollBanner::TextLeft(1501, 318, 683), -1 - 318);
    // A longer text: the half at step 750 goes up to the even 902, and step 1 rounds up.
    EXPECT_EQ(ScrollBanner::TextLeft(0, 1120, 683), 683);
    EXPECT_EQ(ScrollBanner::TextLeft(1, 1120, 683), 1802 - 1120);
    EXPECT_EQ(ScrollBanner::TextLeft(750, 1120, 683), 902 - 1120);
    EXPECT_EQ(ScrollBanner::TextLeft(1500, 1120, 683), -1120);
    EXPECT_EQ(ScrollBanner::TextLeft(1501, 1120, 683), -1 - 1120);

    EXPECT_EQ(ScrollBanner::TextTop(15, 15), 0);
    EXPECT_EQ(ScrollBanner::TextTop(15, 12), 1);
    EXPECT_EQ(ScrollBanner::TextTop(10, 15), 0);
}

TEST_F(ScrollBannerTest, TextEntersFromTheRightAndAPassTakes1501TicksWhateverTheText) {
    for (const QString& text : {QStringLiteral("Short."), ScrollBanner::TextFor(Language::English)}) {
        banner.SetText(text);
        banner.StartScrolling();
        EXPECT_TRUE(banner.IsScrolling());
        EXPECT_EQ(InkedColumns(banner.Frame()).first, -1) << "the first frame is black";
        int ticks = 0;
        bool entered = false;
        do {
            banner.Tick();
            ++ticks;
            // Nothing but the timer asks for the text here, as in the game.
            if (const auto [first, last] = InkedColumns(banner.Frame());
                !entered && first >= 0 && first < 683 - 40) {
                entered = true;
                EXPECT_GE(first, ScrollBanner::TextLeft(ticks, banner.TextWidth(), 683)) << qPrintable(text);
                EXPECT_GT(last, 683 - 40) << qPrintable(text);
            }
        } while (banner.Counter() != 0 && ticks < 5000);
        EXPECT_TRUE(entered) << qPrintable(text);
        EXPECT_EQ(ticks, 1501) << qPrintable(text);
        EXPECT_EQ(InkedColumns(banner.Frame()).first, -1) << "the last frame of a pass is black";
        banner.StopScrolling();
    }
}

TEST_F(ScrollBannerTest, NewTextKeepsTheStepAndShowsAtOnceWhereTheStepPutsIt) {
    banner.ApplyLanguage(Language::English);
    banner.StartScrolling();
    for (int i = 0; i < 300; ++i) banner.Tick();
    const int englishWidth = banner.TextWidth();

    banner.ApplyLanguage(Language::German);
    EXPECT_EQ(banner.Text(), ScrollBanner::TextFor(Language::German));
    EXPECT_EQ(banner.Counter(), 300);
    ASSERT_NE(banner.TextWidth(), englishWidth);
    const int left = ScrollBanner::TextLeft(300, banner.TextWidth(), 683);
    const int first = InkedColumns(banner.Frame()).first;
    EXPECT_GE(first, left);
    EXPECT_LE(first, left + 3);
    banner.Tick();
    EXPECT_EQ(banner.Counter(), 301);
}

}  // namespace
