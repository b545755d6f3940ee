#include <gtest/gtest.h>

#include <QImage>

#include "platform/RasterOp.h"

namespace {

QImage Filled(int width, int height, QRgb pixel, QImage::Format format = QImage::Format_RGB32) {
    QImage image(width, height, format);
    image.fill(pixel);
    return image;
}

// The stored word, which pixel() would show opaque on a 32-bit image whatever its alpha byte.
QRgb Stored(const QImage& image, int x, int y) {
    return reinterpret_cast<const QRgb*>(image.constScanLine(y))[x];
}

// A source whose every pixel tells where it came from: red = x, green = y.
QImage Numbered(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) image.setPixel(column, row, qRgb(column, row, 0x80));
    }
    return image;
}

TEST(RasterOpTest, OperationsCombinePixelBits) {
    // A palette source gives each pixel its entry's colour, made opaque as a 32-bit copy would be.
    QImage palette(3, 2, QImage::Format_Indexed8);
    palette.setColorTable({qRgb(0, 0, 0), qRgba(0x0F, 0xF0, 0x33, 0x40), qRgb(0x50, 0x05, 0x00)});
    palette.fill(1);
    palette.setPixel(2, 1, 2);
    for (const QImage& source : {Filled(3, 2, qRgb(0x0F, 0xF0, 0x33)), palette}) {
        SCOPED_TRACE(testing::Message() << "source format " << source.format());
        QImage copy = Filled(3, 2, qRgb(0xAA, 0xAA, 0xAA));
        QImage andImage = copy;
        QImage orImage = copy;
        BlitImage(copy, 0, 0, source, 0, 0, 2, 2, RasterOp::Copy);
        BlitImage(andImage, 0, 0, source, 0, 0, 2, 2, RasterOp::And);
        BlitImage(orImage, 0, 0, source, 0, 0, 2, 2, RasterOp::Or);
        EXPECT_EQ(Stored(copy, 1, 1), qRgb(0x0F, 0xF0, 0x33));
        EXPECT_EQ(andImage.pixel(1, 1), qRgb(0x0A, 0xA0, 0x22));
        EXPECT_EQ(orImage.pixel(0, 0), qRgb(0xAF, 0xFA, 0xBB));
        EXPECT_EQ(copy.pixel(2, 1), qRgb(0xAA, 0xAA, 0xAA));
    }
    QImage target = Filled(3, 2, qRgb(0xAA, 0xAA, 0xAA));
    EXPECT_EQ(BlitImage(target, 0, 0, palette, 1, 1, 4, 4, RasterOp::Copy), QRect(0, 0, 2, 1));
    EXPECT_EQ(target.pixel(1, 0), qRgb(0x50, 0x05, 0x00));
}

TEST(RasterOpTest, CopiesTheChosenRectangleClippedToBothImagesWithOriginsAligned) {
    struct ClipCase {
        int dx, dy, sx, sy, w, h;
        QRect changed;
    };
    const ClipCase cases[] = {
        {4, 5, 7, 8, 3, 2, QRect(4, 5, 3, 2)},    // inside both
        {-3, -2, 0, 0, 8, 8, QRect(0, 0, 5, 6)},  // destination origin off the top left
        {2, 1, -4, -1, 8, 8, QRect(6, 2, 4, 7)},  // source origin off the top left
        {7, 8, 0, 0, 8, 8, QRect(7, 8, 3, 2)},    // past the destination's bottom right
        {0, 0, 16, 17, 8, 8, QRect(0, 0, 4, 3)},  // past the source's bottom right
        {-5, 0, -5, 0, 8, 1, QRect(0, 0, 3, 1)},  // both origins off the left edge
    };
    const QImage source = Numbered(20, 20);
    for (const ClipCase& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "dx " << c.dx << " dy " << c.dy << " sx " << c.sx << " sy " << c.sy);
        QImage target = Filled(10, 10, qRgb(1, 2, 3));
        const QRect changed = BlitImage(target, c.dx, c.dy, source, c.sx, c.sy, c.w, c.h, RasterOp::Copy);
        EXPECT_EQ(changed, c.changed);
        for (int row = 0; row < 10; ++row) {
            for (int column = 0; column < 10; ++column) {
                const QRgb expected = changed.contains(column, row)
                                          ? qRgb(column - c.dx + c.sx, row - c.dy + c.sy, 0x80)
                                          : qRgb(1, 2, 3);
                ASSERT_EQ(target.pixel(column, row), expected) << column << "," << row;
            }
        }
    }
}

TEST(RasterOpTest, NothingOverlappingChangesNothing) {
    const QImage source = Numbered(20, 20);
    const QImage original = Filled(10, 10, qRgb(1, 2, 3));
    QImage target = original;
    EXPECT_TRUE(BlitImage(target, 10, 0, source, 0, 0, 5, 5, RasterOp::Copy).isEmpty());
    EXPECT_TRUE(BlitImage(target, 0, -5, source, 0, 0, 5, 5, RasterOp::Or).isEmpty());
    EXPECT_TRUE(BlitImage(target, 0, 0, source, 20, 0, 5, 5, RasterOp::And).isEmpty());
    EXPECT_TRUE(BlitImage(target, 0, 0, source, 0, -5, 5, 5, RasterOp::Copy).isEmpty());
    EXPECT_TRUE(BlitImage(target, 0, 0, source, 0, 0, 0, 5, RasterOp::Copy).isEmpty());
    EXPECT_TRUE(BlitImage(target, 0, 0, source, 0, 0, 5, -1, RasterOp::Copy).isEmpty());
    QImage empty;
    EXPECT_TRUE(BlitImage(target, 0, 0, empty, 0, 0, 5, 5, RasterOp::Copy).isEmpty());
    EXPECT_EQ(target, original);
}

TEST(RasterOpTest, WorksOnImagesWithAlpha) {
    QImage target = Filled(4, 4, qRgba(0x11, 0x22, 0x33, 0xFF), QImage::Format_ARGB32);
    const QImage source = Filled(4, 4, qRgba(0xF0, 0xF0, 0xF0, 0xFF), QImage::Format_ARGB32);
    EXPECT_EQ(BlitImage(target, 1, 1, source, 0, 0, 2, 2, RasterOp::And), QRect(1, 1, 2, 2));
    EXPECT_EQ(target.pixel(1, 1), qRgba(0x10, 0x20, 0x30, 0xFF));
    EXPECT_EQ(target.pixel(0, 0), qRgba(0x11, 0x22, 0x33, 0xFF));
}

TEST(RasterOpTest, ColourValuesKeepRedInTheLowByte) {
    EXPECT_EQ(PixelFromColorRef(0x00336699u), qRgb(0x99, 0x66, 0x33));
    EXPECT_EQ(PixelFromColorRef(0x000000FFu), qRgb(0xFF, 0, 0));
    EXPECT_EQ(PixelFromColorRef(0xFF00FF00u), qRgb(0, 0xFF, 0));  // the high byte is ignored
    EXPECT_EQ(ColorRefFromPixel(qRgb(0x99, 0x66, 0x33)), 0x00336699u);
    EXPECT_EQ(ColorRefFromPixel(qRgba(1, 2, 3, 0x40)), 0x00030201u);
    for (std::uint32_t colorRef : {0u, 0x00FFFFFFu, 0x00008000u, 0x00123456u}) {
        EXPECT_EQ(ColorRefFromPixel(PixelFromColorRef(colorRef)), colorRef);
    }
}

}  // namespace
