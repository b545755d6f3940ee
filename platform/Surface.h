#pragma once

#include <QFont>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

#include "platform/RasterOp.h"

// The window's drawing surface: a retained 32-bit canvas that the game draws on outside any
// paint cycle. Every change is reported at once to the flush handler, so the window can put it
// on the screen while a busy wait keeps the event loop from running.
//
// Until something other than one colour is drawn, the surface only remembers that colour: the
// window opens on an empty table, and the canvas's pixels (the size of the window) are made at
// the first drawing that needs them, not before the window is first shown.
class Surface {
public:
    using FlushHandler = std::function<void(const QRect&)>;

    Surface(int width, int height, std::uint32_t colorRef = 0);

    int Width() const { return size.width(); }
    int Height() const { return size.height(); }
    const QImage& Image() const { return Pixels(); }
    QRgb Pixel(int x, int y) const { return Pixels().pixel(x, y); }
    // The colour of the whole surface while nothing else has been drawn on it.
    std::optional<QRgb> Uniform() const;
    // The colour value with which FillRect would leave the rectangle as it is: set when the
    // rectangle lies wholly on the surface and is all one opaque colour.
    std::optional<std::uint32_t> UniformIn(const QRect& rect) const;

    void SetFlushHandler(FlushHandler handler) { flush = std::move(handler); }

    // Rectangle from an image onto the surface with a raster operation.
    void Blit(int x, int y, const QImage& src, int sx, int sy, int w, int h, RasterOp op);
    // Rectangle of the surface into an image (a plain copy).
    void CopyTo(QImage& dst, int dx, int dy, int x, int y, int w, int h) const;

    void FillRect(const QRect& rect, std::uint32_t colorRef);
    void FrameRect(const QRect& rect, int penWidth, std::uint32_t colorRef);
    // Outline of a rectangle from (left, top) to (right, bottom), exclusive, with rounded corners
    // of the given ellipse size; nothing is filled.
    void RoundRectOutline(int left, int top, int right, int bottom, int roundW, int roundH, int penWidth,
                          std::uint32_t colorRef);
    void DrawText(int x, int y, const QString& text, const QFont& font, std::uint32_t colorRef);

    // While a batch is open, changes are gathered and flushed once when the last batch closes.
    class Batch {
    public:
        explicit Batch(Surface& s) : surface(s) { ++surface.batchDepth; }
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        Surface& surface;
    };

private:
    void Changed(const QRect& rect);
    QRect Bounds() const { return {QPoint(0, 0), size}; }
    // The canvas, made from the one colour when first needed.
    QImage& Pixels() const;

    QSize size;
    QRgb uniform;
    mutable QImage image;
    FlushHandler flush;
    int batchDepth = 0;
    QRect pending;
};
