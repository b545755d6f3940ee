#include "ui/SurfaceView.h"

#include <QMouseEvent>
#include <QPainter>

#include "platform/Surface.h"

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
    painter.drawImage(event->rect(), surface.Image(), event->rect());
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
