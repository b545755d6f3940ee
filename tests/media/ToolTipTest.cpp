#include <gtest/gtest.h>

#include <QApplication>
#include <QHelpEvent>
#include <QPalette>
#include <QToolTip>
#include <QWidget>

#include "media/ShapedToolTip.h"
#include "media/ToolTipFilter.h"
#include "media/ToolTipShape.h"

namespace {

using Side = ToolTipShape::Side;

TEST(ToolTipPlacement, PrefersAboveRightAndFallsBackInOrderAtEveryEdge) {
    const QRect desktop(0, 0, 1024, 768);
    const QSize body(100, 30);
    struct Case {
        QPoint spot;
        Side side;
    };
    const Case cases[] = {
        {{500, 400}, Side::AboveRight},
        {{5, 400}, Side::AboveRight},
        {{500, 760}, Side::AboveRight},
        {{500, 10}, Side::BelowLeft},
        {{1000, 400}, Side::BelowLeft},
        {{10, 10}, Side::BelowRight},
        {{1000, 760}, Side::AboveLeft},
        {{10, 760}, Side::AboveRight},
        // The body alone would fit above and to the right; its shadow would not.
        {{920, 400}, Side::BelowLeft},
    };
    for (const Case& c : cases) {
        const ToolTipShape shape = ToolTipShape::Place(c.spot, body, desktop);
        EXPECT_EQ(shape.side(), c.side) << c.spot.x() << "," << c.spot.y();
        EXPECT_TRUE(desktop.contains(shape.Window())) << c.spot.x() << "," << c.spot.y();
        const bool below = c.side == Side::BelowLeft || c.side == Side::BelowRight;
        const int gap = c.side == Side::AboveLeft ? -4 : below ? 2 : -2;
        EXPECT_EQ(shape.Window().topLeft() + shape.Tip(), c.spot + QPoint(0, gap))
            << "the nose ends just short of the spot";
        EXPECT_EQ(shape.Window().size(), QSize(106, 51));
    }
    // A desktop of several screens need not start at 0, 0.
    const QRect wide(-1280, -200, 2304, 1224);
    EXPECT_EQ(ToolTipShape::Place({-1275, -190}, body, wide).side(), Side::BelowRight);
    EXPECT_EQ(ToolTipShape::Place({-600, -190}, body, wide).side(), Side::BelowLeft);
}

TEST(ToolTipPlacement, OutlineHasRoundCornersANoseNearTheSpotAndAShadowBelowRight) {
    for (Side side : {Side::AboveRight, Side::BelowLeft, Side::BelowRight, Side::AboveLeft}) {
        const QPoint spot(300, 300);
        const ToolTipShape shape = ToolTipShape::On(side, spot, {100, 30});
        const QImage pixels = shape.Pixels();
        const QRect body = shape.Body();
        auto at = [&pixels](QPoint p) {
            return pixels.rect().contains(p) ? pixels.constScanLine(p.y())[p.x()]
                                             : uchar(ToolTipShape::Outside);
        };
        EXPECT_EQ(at(shape.Tip()), ToolTipShape::Border) << int(side);
        // Neither the nose nor its shadow may lie under the pointer's hot spot or a pixel off it:
        // the tooltip would take the pointer from its control and vanish at once.
        const QPoint local = spot - shape.Window().topLeft();
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                EXPECT_EQ(at(local + QPoint(dx, dy)), ToolTipShape::Outside)
                    << int(side) << " " << dx << "," << dy;
            }
        }
        EXPECT_EQ(at(body.center()), ToolTipShape::Fill) << int(side);
        // A corner away from nose and shadow is round, and so is the shadow's far corner.
        const bool above = side == Side::AboveRight || side == Side::AboveLeft;
        const QPoint across = above ? body.topRight() : body.bottomLeft();
        EXPECT_EQ(at(across), ToolTipShape::Outside) << int(side);
        const QPoint shadowCorner = body.bottomRight() + QPoint(ToolTipShape::Shadow, ToolTipShape::Shadow);
        EXPECT_EQ(at(shadowCorner), ToolTipShape::Outside) << int(side);
        EXPECT_EQ(at(QPoint(body.right(), body.center().y())), ToolTipShape::Border) << int(side);
        EXPECT_EQ(at(QPoint(body.right() + ToolTipShape::Shadow, body.center().y())),
                  ToolTipShape::ShadowPixel)
            << int(side);
    }
}

TEST(ShapedToolTipLook, ShadowDarkensEverySecondPixelOfWhatLiesBeneath) {
    const ToolTipShape shape = ToolTipShape::On(Side::AboveRight, {300, 300}, {100, 30});
    QImage beneath(shape.Window().size(), QImage::Format_RGB32);
    beneath.fill(QColor(0xC0, 0xFF, 0x3C));
    const QRgb dark = QApplication::palette().color(QPalette::Dark).rgb();
    const QPoint even(102, 20);  // in the shadow right of the body, both coordinates even
    const QPoint odd(103, 20);

    const QImage onScreen = ShapedToolTip::Compose(shape, QStringLiteral("Tip"), beneath);
    EXPECT_EQ(onScreen.pixel(even), beneath.pixel(even));
    EXPECT_EQ(onScreen.pixel(odd), beneath.pixel(odd) & dark);
    EXPECT_NE(onScreen.pixel(odd), beneath.pixel(odd));
    EXPECT_EQ(onScreen.pixel(shape.Body().center()), QToolTip::palette().color(QPalette::ToolTipBase).rgb());
    EXPECT_EQ(onScreen.pixel(shape.Tip()), 0xFF000000);
    EXPECT_EQ(qAlpha(onScreen.pixel(shape.Window().width() - 1, 0)), 0);

    // Without a picture of the screen the light pixels stay transparent.
    const QImage floating = ShapedToolTip::Compose(shape, QStringLiteral("Tip"), QImage());
    EXPECT_EQ(qAlpha(floating.pixel(even)), 0);
    EXPECT_EQ(floating.pixel(odd), dark | 0xFF000000);
}

TEST(ToolTipFilterTest, EveryControlWithATooltipGetsTheShapedOneUntilThePointerLeaves) {
    ToolTipFilter filter;
    QWidget window;
    window.setGeometry(300, 300, 200, 100);
    auto* control = new QWidget(&window);
    control->setGeometry(10, 10, 50, 20);
    control->setToolTip(QStringLiteral("I've got enough..."));
    auto* plain = new QWidget(control);
    plain->setGeometry(0, 0, 10, 10);
    window.show();

    // A child without a tooltip shows its parent's.
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), window.mapToGlobal(QPoint(15, 15)));
    QApplication::sendEvent(plain, &help);
    ASSERT_NE(filter.Tip(), nullptr);
    EXPECT_TRUE(filter.Tip()->isVisible());
    EXPECT_FALSE(QToolTip::isVisible());
    EXPECT_EQ(filter.Tip()->Text(), QStringLiteral("I've got enough..."));
    EXPECT_EQ(filter.Tip()->geometry().topLeft() + filter.Tip()->Shape().Tip(),
              window.mapToGlobal(QPoint(15, 13)));

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(control, &leave);
    EXPECT_FALSE(filter.Tip()->isVisible());
}

}  // namespace
