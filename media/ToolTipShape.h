#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

// The outline of a tooltip: a rounded rectangle with a nose whose tip touches the pointed-at
// spot, and a shadow of the same outline further right and down. Pure geometry, so placement and
// outline can be checked without a window.
class ToolTipShape {
public:
    static constexpr int Corner = 16;
    static constexpr int Nose = 15;
    static constexpr int Shadow = 6;
    // The tip stops this far above or below the spot: a window under the pointer's hot spot
    // would take the pointer from the control and so end its own tooltip.
    static constexpr int Gap = 2;
    // Above and to the left, the nose's shadow runs back down towards the spot; the tip stops
    // this much further up so that the shadow clears the spot and the pixels around it too.
    static constexpr int ShadowGap = 2;

    // In order of preference.
    enum class Side { AboveRight, BelowLeft, BelowRight, AboveLeft };

    // The tooltip's window for a body of the given size on the given side of a spot; the window
    // covers body, nose and shadow.
    static ToolTipShape On(Side side, QPoint spot, QSize body);

    // The first side whose whole window, shadow included, lies on the desktop; when none does,
    // the preferred side moved onto the desktop as far as it goes.
    static ToolTipShape Place(QPoint spot, QSize body, const QRect& desktop);

    Side side() const { return sideValue; }
    // Global.
    QRect Window() const { return window; }
    // Window-local.
    QRect Body() const { return body; }
    QPoint Tip() const { return tip; }

    // One byte a pixel over the window: 0 outside, and else what the pixel shows.
    enum Pixel : uchar { Outside = 0, Fill = 1, Border = 2, ShadowPixel = 3 };
    QImage Pixels() const;

private:
    Side sideValue = Side::AboveRight;
    QRect window;
    QRect body;
    QPoint tip;
};
