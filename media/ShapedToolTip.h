#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

#include "media/ToolTipShape.h"

// The tooltip window: a rounded body with a nose toward the pointer and a shadow that darkens
// every second pixel of what lies beneath. Where the screen can be read (X11), the shadow is that
// screen content combined by AND with the checkerboard and the window is cut to body and shadow;
// where it cannot (Wayland), the checkerboard's dark pixels stand over a transparent surface.
class ShapedToolTip : public QWidget {
    Q_OBJECT

public:
    ShapedToolTip();

    // Shows the text with the nose at a global spot, on the first side that fits the desktop.
    void ShowText(QPoint spot, const QString& text);

    static QFont TipFont();
    // Border and margins included.
    static QSize BodySize(const QString& text);

    // The window's picture. Pixels with alpha 0 are not part of the window. Without a picture of
    // what lies beneath, the shadow's light pixels stay transparent.
    static QImage Compose(const ToolTipShape& shape, const QString& text, const QImage& beneath);

    QString Text() const { return text; }
    const ToolTipShape& Shape() const { return shape; }
    const QImage& Picture() const { return picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage GrabBeneath(const QRect& area) const;

    QString text;
    ToolTipShape shape;
    QImage picture;
    bool translucent = false;
};
