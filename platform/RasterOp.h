#pragma once

#include <QImage>
#include <QRect>

// The three raster operations the card drawing needs, on 32-bit images.
enum class RasterOp { Copy, And, Or };

// Combines the w x h rectangle at (sx, sy) of src into dst at (dx, dy), pixel by pixel. dst must
// be Format_RGB32 or ARGB32, src one of those or Format_Indexed8 (taken as its opaque colours);
// parts outside either image are left out. Returns the rectangle of dst that changed (empty when
// nothing did).
QRect BlitImage(QImage& dst, int dx, int dy, const QImage& src, int sx, int sy, int w, int h, RasterOp op);

// A 0x00BBGGRR colour value as a surface pixel.
QRgb PixelFromColorRef(std::uint32_t colorRef);
std::uint32_t ColorRefFromPixel(QRgb pixel);
