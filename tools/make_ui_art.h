// Shared by the parts of the artwork generator: the pixel-grid drawing helpers, the painted
// pictures (window icons, flags and logos) and the colour-button glyphs.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <functional>
#include <initializer_list>

namespace uiart {

// Rows of palette letters, one per pixel; '.' leaves the pixel as it is.
using Grid = std::initializer_list<const char*>;
// Whether a point, in practice a pixel centre, lies inside a shape.
using Region = std::function<bool(double, double)>;
// The colour a shape takes at pixel (x, y), for fills that are not flat.
using Shade = std::function<QColor(int, int)>;

struct Look {
    QColor fill;
    QColor edge;
    QColor light{};  // inner pixels just below or right of the top-left edge; invalid for none
};

QImage Canvas(int width, int height);
void Stamp(QImage& image, int left, int top, Grid rows);
Region Circle(double cx, double cy, double radius);
void Draw(QImage& image, const Region& region, const Look& look, const Shade& fill = {});

// Liberation Sans at a pixel size; the logos are laid out for exactly this font.
QFont LogoFont(int pixelSize, bool bold, bool antialias);

// 16 is drawn on the pixel grid, every larger size is painted for that size.
QImage WindowIcon(int size);
QImage EnglishFlags();
QImage GermanFlags();
QImage MakerLogo();
QImage AssociationLogo();

// 19 x 19, on the pixel grid.
QImage FieldColourGlyph();
QImage FrameColourGlyph();

}  // namespace uiart
