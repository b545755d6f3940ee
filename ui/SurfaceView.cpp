#include "ui/SurfaceView.h"

#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>
#include <algorithm>

#include "platform/PixelArt.h"
#include "platform/Surface.h"

namespace {

// Copies area of src into dst enlarged by factor, each pixel a factor x factor block.
void ReplicateArea(QImage& dst, const QImage& src, const QRect& area, int factor) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(src.constScanLine(y)) + area.left();
        auto* first = reinterpret_cast<QRgb*>(dst.scanLine(y * factor)) + area.left() * factor;
        for (int x = 0; x < area.width(); ++x) std::fill_n(first + x * factor, factor, from[x]);
        for (int copy = 1; copy < factor; ++copy) {
            std::copy_n(first, area.width() * factor,
                        reinterpret_cast<QRgb*>(dst.scanLine(y * factor + copy)) + area.left() * factor);
        }
    }
}

}  // namespace

SurfaceView::SurfaceView(Surface& surfaceRef, QWidget* parent) : QWidget(parent), surface(surfaceRef) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
}

void SurfaceView::Flush(const QRect& rect) {
    // repaint() paints and puts the pixels on the screen before it returns, without running the
    // event loop: this is what makes a slide visible step by step.
    if (isVisible()) repaint(rect);
}

void SurfaceView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // The device really painted on: a grab for another density redirects the painter there.
    const QPaintDevice* target =
        painter.paintEngine() != nullptr ? painter.paintEngine()->paintDevice() : nullptr;
    const qreal ratio = (target != nullptr ? target : painter.device())->devicePixelRatio();
    if (ratio == 1.0) {
        if (const std::optional<QRgb> colour = surface.Uniform()) {
            // An empty table: the same pixels without making the canvas.
            painter.fillRect(event->rect(), QColor::fromRgb(*colour));
            return;
        }
        painter.drawImage(event->rect(), surface.Image(), event->rect());
        return;
    }
    // The surface keeps its design pixels; a denser screen gets them as blocks of device pixels,
    // never smoothed. The enlarged copy is always painted whole (the painter clips it to the
    // changed area), so every device pixel shows the same design pixel at each paint, whatever
    // fraction is left to the painter.
    const QImage& design = surface.Image();
    const int factor = PixelArtFactor(ratio);
    if (enlarged.size() != design.size() * factor) {
        enlarged = QImage(design.size() * factor, QImage::Format_RGB32);
        ReplicateArea(enlarged, design, design.rect(), factor);
    } else {
        ReplicateArea(enlarged, design, event->rect() & design.rect(), factor);
    }
    enlarged.setDevicePixelRatio(factor);
    painter.drawImage(QPoint(0, 0), enlarged);
}

void SurfaceView::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    emit MouseDown(event->button(), at.x(), at.y());
}

void SurfaceView::mouseDoubleClickEvent(QMouseEvent* event) {
    // A quick second click is a click of its own in this game: pick up, then drop.
    mousePressEvent(event);
}

void SurfaceView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    emit MouseMove(at.x(), at.y());
}

void SurfaceView::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    emit MouseUp(event->button(), at.x(), at.y());
}
