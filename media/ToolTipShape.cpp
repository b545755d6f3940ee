#include "media/ToolTipShape.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>

namespace {

bool IsLeft(ToolTipShape::Side side) {
    return side == ToolTipShape::Side::BelowLeft || side == ToolTipShape::Side::AboveLeft;
}

bool IsBelow(ToolTipShape::Side side) {
    return side == ToolTipShape::Side::BelowLeft || side == ToolTipShape::Side::BelowRight;
}

}  // namespace

ToolTipShape ToolTipShape::On(Side side, QPoint spot, QSize bodySize) {
    ToolTipShape shape;
    shape.sideValue = side;
    const int w = bodySize.width();
    const int h = bodySize.height();
    shape.body = QRect(0, IsBelow(side) ? Nose : 0, w, h);
    shape.tip = QPoint(IsLeft(side) ? w - 1 : 0, IsBelow(side) ? 0 : h + Nose - 1);
    const int above = side == Side::AboveLeft ? Gap + ShadowGap : Gap;
    const QPoint tipOnScreen = spot + QPoint(0, IsBelow(side) ? Gap : -above);
    shape.window = QRect(tipOnScreen - shape.tip, QSize(w + Shadow, h + Nose + Shadow));
    return shape;
}

ToolTipShape ToolTipShape::Place(QPoint spot, QSize bodySize, const QRect& desktop) {
    for (Side side : {Side::AboveRight, Side::BelowLeft, Side::BelowRight, Side::AboveLeft}) {
        ToolTipShape shape = On(side, spot, bodySize);
        if (desktop.contains(shape.window)) return shape;
    }
    ToolTipShape shape = On(Side::AboveRight, spot, bodySize);
    QRect moved = shape.window;
    if (moved.right() > desktop.right()) moved.moveRight(desktop.right());
    if (moved.left() < desktop.left()) moved.moveLeft(desktop.left());
    if (moved.bottom() > desktop.bottom()) moved.moveBottom(desktop.bottom());
    if (moved.top() < desktop.top()) moved.moveTop(desktop.top());
    shape.window = moved;
    return shape;
}

QImage ToolTipShape::Pixels() const {
    const int w = body.width();
    const int h = body.height();
    // The outline above and to the right, in pixel-edge coordinates, mirrored for the other sides.
    // The nose's base reaches two pixels into the body so the two join without a seam.
    QPainterPath outline;
    outline.addRoundedRect(QRectF(0, 0, w, h), Corner / 2.0, Corner / 2.0);
    QPainterPath nose;
    nose.moveTo(0, h + Nose);
    nose.lineTo(10, h - 2);
    nose.lineTo(25, h - 2);
    nose.closeSubpath();
    outline = outline.united(nose);
    QTransform mirror;
    if (IsLeft(sideValue)) mirror = mirror * QTransform(-1, 0, 0, 1, w, 0);
    if (IsBelow(sideValue)) mirror = mirror * QTransform(1, 0, 0, -1, 0, h + Nose);

    QImage inside(w, h + Nose, QImage::Format_Grayscale8);
    inside.fill(0);
    {
        QPainter painter(&inside);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawPath(mirror.map(outline));
    }
    auto in = [&inside](int x, int y) {
        return x >= 0 && y >= 0 && x < inside.width() && y < inside.height() &&
               inside.constScanLine(y)[x] != 0;
    };

    QImage pixels(window.size(), QImage::Format_Grayscale8);
    for (int y = 0; y < pixels.height(); ++y) {
        uchar* row = pixels.scanLine(y);
        for (int x = 0; x < pixels.width(); ++x) {
            if (in(x, y)) {
                const bool edge = !in(x - 1, y) || !in(x + 1, y) || !in(x, y - 1) || !in(x, y + 1);
                row[x] = edge ? Border : Fill;
            } else {
                row[x] = in(x - Shadow, y - Shadow) ? ShadowPixel : Outside;
            }
        }
    }
    return pixels;
}
