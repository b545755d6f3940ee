#include "platform/Surface.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

Surface::Surface(int width, int height, std::uint32_t colorRef)
    : size(std::max(width, 0), std::max(height, 0)), uniform(PixelFromColorRef(colorRef)) {}

std::optional<QRgb> Surface::Uniform() const {
    if (!image.isNull()) return std::nullopt;
    return uniform;
}

std::optional<std::uint32_t> Surface::UniformIn(const QRect& rect) const {
    if (rect.isEmpty() || !Bounds().contains(rect)) return std::nullopt;
    if (image.isNull()) return ColorRefFromPixel(uniform);
    const QRgb first = reinterpret_cast<const QRgb*>(image.constScanLine(rect.top()))[rect.left()];
    if (qAlpha(first) != 0xFF) return std::nullopt;
    for (int row = rect.top(); row <= rect.bottom(); ++row) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(row)) + rect.left();
        if (std::any_of(line, line + rect.width(), [first](QRgb pixel) { return pixel != first; })) {
            return std::nullopt;
        }
    }
    return ColorRefFromPixel(first);
}

QImage& Surface::Pixels() const {
    if (image.isNull() && !size.isEmpty()) {
        image = QImage(size, QImage::Format_RGB32);
        image.fill(uniform);
    }
    return image;
}

Surface::Batch::~Batch() {
    if (--surface.batchDepth == 0 && !surface.pending.isEmpty()) {
        const QRect rect = surface.pending;
        surface.pending = {};
        if (surface.flush) surface.flush(rect);
    }
}

void Surface::Changed(const QRect& rect) {
    const QRect clipped = rect & Bounds();
    if (clipped.isEmpty()) return;
    if (batchDepth > 0) {
        pending |= clipped;
    } else if (flush) {
        flush(clipped);
    }
}

void Surface::Blit(int x, int y, const QImage& src, int sx, int sy, int w, int h, RasterOp op) {
    Changed(BlitImage(Pixels(), x, y, src, sx, sy, w, h, op));
}

void Surface::CopyTo(QImage& dst, int dx, int dy, int x, int y, int w, int h) const {
    BlitImage(dst, dx, dy, Pixels(), x, y, w, h, RasterOp::Copy);
}

void Surface::FillRect(const QRect& rect, std::uint32_t colorRef) {
    const QRect clipped = rect & Bounds();
    if (clipped.isEmpty()) return;
    const QRgb pixel = PixelFromColorRef(colorRef);
    if (image.isNull() && (clipped.size() == size || pixel == uniform)) {
        // Still one colour everywhere.
        uniform = pixel;
        Changed(clipped);
        return;
    }
    QImage& pixels = Pixels();
    for (int row = clipped.top(); row <= clipped.bottom(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(pixels.scanLine(row));
        std::fill(line + clipped.left(), line + clipped.left() + clipped.width(), pixel);
    }
    Changed(clipped);
}

void Surface::FrameRect(const QRect& rect, int penWidth, std::uint32_t colorRef) {
    if (penWidth < 1 || rect.isEmpty()) return;
    Batch batch(*this);
    const int pw = std::min({penWidth, rect.width(), rect.height()});
    FillRect({rect.left(), rect.top(), rect.width(), pw}, colorRef);
    FillRect({rect.left(), rect.bottom() - pw + 1, rect.width(), pw}, colorRef);
    FillRect({rect.left(), rect.top(), pw, rect.height()}, colorRef);
    FillRect({rect.right() - pw + 1, rect.top(), pw, rect.height()}, colorRef);
}

void Surface::RoundRectOutline(int left, int top, int right, int bottom, int roundW, int roundH, int penWidth,
                               std::uint32_t colorRef) {
    if (right <= left || bottom <= top || penWidth < 1) return;
    {
        // The pen is centred on the outline, as a geometric pen would draw it. No antialiasing, so
        // drawing the same outline again in the table colour erases it completely.
        QPainter painter(&Pixels());
        painter.setRenderHint(QPainter::Antialiasing, false);
        QPen pen(QColor::fromRgb(PixelFromColorRef(colorRef)));
        pen.setWidth(penWidth);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(left, top, right - left - 1, bottom - top - 1), roundW / 2.0,
                                roundH / 2.0);
    }
    const int grow = penWidth / 2 + 1;
    Changed(QRect(left, top, right - left, bottom - top).adjusted(-grow, -grow, grow, grow));
}

void Surface::DrawText(int x, int y, const QString& text, const QFont& font, std::uint32_t colorRef) {
    QRect bounds;
    {
        QPainter painter(&Pixels());
        painter.setFont(font);
        painter.setPen(QColor::fromRgb(PixelFromColorRef(colorRef)));
        const QRect box(x, y, size.width() - x, QFontMetrics(font).height());
        painter.drawText(box, Qt::AlignLeft | Qt::AlignTop, text, &bounds);
    }
    Changed(bounds);
}
