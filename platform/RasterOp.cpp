#include "platform/RasterOp.h"

#include <algorithm>

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

    for (int row = 0; row < h; ++row) {
        const auto* from = reinterpret_cast<const QRgb*>(src.constScanLine(sy + row)) + sx;
        auto* to = reinterpret_cast<QRgb*>(dst.scanLine(dy + row)) + dx;
        switch (op) {
            case RasterOp::Copy:
                std::copy(from, from + w, to);
                break;
            case RasterOp::And:
                for (int i = 0; i < w; ++i) to[i] &= from[i];
                break;
            case RasterOp::Or:
                for (int i = 0; i < w; ++i) to[i] |= from[i];
                break;
        }
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
