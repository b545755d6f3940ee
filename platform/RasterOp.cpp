#include "platform/RasterOp.h"

#include <algorithm>
#include <array>

namespace {

// source(i) is the 32-bit value of the row's i-th source pixel.
template <typename Source>
void CombineRow(QRgb* to, Source source, int w, RasterOp op) {
    switch (op) {
        case RasterOp::Copy:
            for (int i = 0; i < w; ++i) to[i] = source(i);
            break;
        case RasterOp::And:
            for (int i = 0; i < w; ++i) to[i] &= source(i);
            break;
        case RasterOp::Or:
            for (int i = 0; i < w; ++i) to[i] |= source(i);
            break;
    }
}

// Each palette entry as converting the image to Format_RGB32 would give it.
std::array<QRgb, 256> OpaquePalette(const QImage& src) {
    std::array<QRgb, 256> colours{};
    colours.fill(0xFF000000);
    const QList<QRgb> table = src.colorTable();
    for (qsizetype i = 0; i < std::min<qsizetype>(table.size(), 256); ++i)
        colours[size_t(i)] = 0xFF000000 | table[i];
    return colours;
}

}  // namespace

QRect BlitImage(QImage& dst, int dx, int dy, const QImage& src, int sx, int sy, int w, int h, RasterOp op) {
    // Clip against the source, then against the destination, moving both origins together.
    if (sx < 0) {
        w += sx;
        dx -= sx;
        sx = 0;
    }
    if (sy < 0) {
        h += sy;
        dy -= sy;
        sy = 0;
    }
    w = std::min(w, src.width() - sx);
    h = std::min(h, src.height() - sy);
    if (dx < 0) {
        w += dx;
        sx -= dx;
        dx = 0;
    }
    if (dy < 0) {
        h += dy;
        sy -= dy;
        dy = 0;
    }
    w = std::min(w, dst.width() - dx);
    h = std::min(h, dst.height() - dy);
    if (w <= 0 || h <= 0) return {};

    if (src.format() == QImage::Format_Indexed8) {
        const std::array<QRgb, 256> colours = OpaquePalette(src);
        for (int row = 0; row < h; ++row) {
            const uchar* from = src.constScanLine(sy + row) + sx;
            CombineRow(
                reinterpret_cast<QRgb*>(dst.scanLine(dy + row)) + dx,
                [from, &colours](int i) { return colours[from[i]]; }, w, op);
        }
        return {dx, dy, w, h};
    }
    for (int row = 0; row < h; ++row) {
        const auto* from = reinterpret_cast<const QRgb*>(src.constScanLine(sy + row)) + sx;
        CombineRow(
            reinterpret_cast<QRgb*>(dst.scanLine(dy + row)) + dx, [from](int i) { return from[i]; }, w, op);
    }
    return {dx, dy, w, h};
}

QRgb PixelFromColorRef(std::uint32_t colorRef) {
    return qRgb(colorRef & 0xFF, (colorRef >> 8) & 0xFF, (colorRef >> 16) & 0xFF);
}

std::uint32_t ColorRefFromPixel(QRgb pixel) {
    return static_cast<std::uint32_t>(qRed(pixel)) | (static_cast<std::uint32_t>(qGreen(pixel)) << 8) |
           (static_cast<std::uint32_t>(qBlue(pixel)) << 16);
}
