#pragma once

#include <QImage>
#include <QRect>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "FakeClock.h"
#include "cards/BusyWait.h"
#include "cards/CardSheets.h"
#include "platform/Clock.h"
#include "platform/Surface.h"

// Shared helpers of the card tests: surfaces with a pattern in which every pixel differs from its
// neighbours, the pixels a card should leave behind, and a clock that lets a busy wait finish at once.
namespace cardtest {

// A surface whose pixels all differ, so that a pixel copied from the wrong place shows up.
inline Surface PatternSurface(int width, int height) {
    QImage pattern(width, height, QImage::Format_RGB32);
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            pattern.setPixel(
                column, row,
                qRgb((column * 7 + row * 3) & 0xFF, (row * 11 + 5) & 0xFF, (column * 13 ^ row) & 0xFF));
        }
    }
    Surface surface(width, height);
    surface.Blit(0, 0, pattern, 0, 0, width, height, RasterOp::Copy);
    return surface;
}

// What a cell drawn through the mask leaves at cell pixel (cx, cy) over the surface pixel under it.
inline QRgb Masked(QRgb under, const QImage& sheet, int cellX, int cellY, int cx, int cy) {
    return (under & CardSheets::Mask().pixel(cx, cy)) | sheet.pixel(cellX + cx, cellY + cy);
}

// Counts how a cell drawn at (x, y) over `before` differs from `after`; pixels off the surface are
// left out. Also checks that nothing outside the cell changed.
inline int MismatchesOfCell(const QImage& before, const QImage& after, int x, int y, const QImage& sheet,
                            int cellX, int cellY) {
    int mismatches = 0;
    const QRect cell(x, y, CardWidth, CardHeight);
    for (int row = 0; row < after.height(); ++row) {
        for (int column = 0; column < after.width(); ++column) {
            const QRgb under = before.pixel(column, row);
            const QRgb expected =
                cell.contains(column, row) ? Masked(under, sheet, cellX, cellY, column - x, row - y) : under;
            if (after.pixel(column, row) != expected) ++mismatches;
        }
    }
    return mismatches;
}

// The 12 pixels that the mask leaves transparent at the rounded corners of a card.
inline bool IsCornerPixel(int cx, int cy) {
    const bool outerRow = cy == 0 || cy == CardHeight - 1;
    const bool secondRow = cy == 1 || cy == CardHeight - 2;
    if (outerRow) return cx <= 1 || cx >= CardWidth - 2;
    if (secondRow) return cx == 0 || cx == CardWidth - 1;
    return false;
}

// Records every rectangle the surface reports as changed.
struct FlushLog {
    explicit FlushLog(Surface& surface) {
        surface.SetFlushHandler([this](const QRect& rect) { rects.push_back(rect); });
    }
    std::vector<QRect> rects;
};

// A clock that moves by 26 ms per read, so every BusyWait(25) takes exactly two reads; each read
// first runs the probe.
inline FakeClock TwoReadsAWait(std::function<void()> probe = {}) {
    FakeClock clock(0, 26);
    clock.hasCounter = false;
    clock.probe = std::move(probe);
    return clock;
}

}  // namespace cardtest
