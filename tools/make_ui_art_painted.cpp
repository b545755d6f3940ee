// The painted half of the artwork: window icons, language flags and the two logos.

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QString>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

#include "make_ui_art.h"

namespace uiart {
namespace {

// --- Window icon ---------------------------------------------------------------------------

// An ace of hearts in front of a card back.
QImage Icon16() {
    QImage image = Canvas(16, 16);
    // clang-format off
    Stamp(image, 0, 0, {
        ".KKKKKKKK.......",
        "KWWWWWWWWK......",
        "KWBbBbBbWK......",
        "KWbBbKKKKKKKKKK.",
        "KWBbKWWWWWWWWWWK",
        "KWbBKWWWWWWWWWWK",
        "KWBbKWWWWWWWWWWK",
        "KWbBKWWRRWRRWWWK",
        "KWBbKWRpRRRRRWWK",
        "KWbBKWRRRRRRRWWK",
        "KWBbKWWRRRRRWWWK",
        "KWWWKWWWRRRWWWWK",
        ".KKKKWWWWRWWWWWK",
        "....KWWWWWWWWWWK",
        "....KWWWWWWWWWWK",
        ".....KKKKKKKKKK.",
    });
    // clang-format on
    return image;
}

QPainterPath HeartPath(QPointF centre, double size) {
    QPainterPath path;
    const double s = size / 2;
    path.moveTo(centre.x(), centre.y() + s);
    path.cubicTo(centre.x() - s * 1.6, centre.y() - s * 0.1, centre.x() - s * 0.8, centre.y() - s * 1.4,
                 centre.x(), centre.y() - s * 0.5);
    path.cubicTo(centre.x() + s * 0.8, centre.y() - s * 1.4, centre.x() + s * 1.6, centre.y() - s * 0.1,
                 centre.x(), centre.y() + s);
    return path;
}

// A diagonal lattice inside the back's white frame, for the sizes with room for it.
void BackLattice(QPainter& painter, const QRectF& inner, double step, double width) {
    painter.save();
    painter.setClipRect(inner);
    painter.setPen(QPen(QColor(0x90, 0xA8, 0xF0), width));
    for (double d = -inner.height(); d < inner.width(); d += step) {
        painter.drawLine(QPointF(inner.left() + d, inner.top()),
                         QPointF(inner.left() + d + inner.height(), inner.bottom()));
        painter.drawLine(QPointF(inner.left() + d, inner.bottom()),
                         QPointF(inner.left() + d + inner.height(), inner.top()));
    }
    painter.restore();
}

QImage IconPainted(int size) {
    QImage image = Canvas(size, size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // Up to 48 pixels the two cards fill the square and may touch its edges; the theme sizes
    // above keep both cards whole, with a finer outline and more detail.
    const bool large = size >= 64;
    const double s = large ? size / 38.0 : size / 32.0;
    if (large) painter.translate(size / 2.0 - 15.25 * s, size / 2.0 - 16.2 * s);
    const QSizeF card(17 * s, 24 * s);
    const double radius = 2 * s;
    const QPen outline(Qt::black, large ? 0.7 * s : std::max(1.0, s));

    painter.save();
    painter.translate(12 * s, 27 * s);
    painter.rotate(-16);
    painter.setPen(outline);
    painter.setBrush(QColor(0x20, 0x40, 0xD0));
    painter.drawRoundedRect(QRectF(QPointF(-card.width() / 2, -card.height()), card), radius, radius);
    painter.setPen(QPen(Qt::white, std::max(1.0, s * 1.2)));
    painter.setBrush(Qt::NoBrush);
    const QRectF frame(-card.width() / 2 + 2.5 * s, -card.height() + 2.5 * s, card.width() - 5 * s,
                       card.height() - 5 * s);
    painter.drawRect(frame);
    if (large) BackLattice(painter, frame.adjusted(0.6 * s, 0.6 * s, -0.6 * s, -0.6 * s), 2.5 * s, 0.35 * s);
    painter.restore();

    painter.save();
    painter.translate(20 * s, 29 * s);
    painter.rotate(12);
    painter.setPen(outline);
    painter.setBrush(Qt::white);
    const QRectF face(QPointF(-card.width() / 2, -card.height()), card);
    painter.drawRoundedRect(face, radius, radius);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xE0, 0x10, 0x10));
    painter.drawPath(HeartPath(face.center(), 9 * s));
    if (size >= 48) {
        painter.setFont(LogoFont(static_cast<int>(6 * s), true, true));
        painter.setPen(QColor(0xE0, 0x10, 0x10));
        painter.drawText(QRectF(face.left() + 1.2 * s, face.top() + 0.8 * s, 5 * s, 6 * s), Qt::AlignCenter,
                         QStringLiteral("A"));
    }
    if (size >= 128) {
        // The second corner index, upside down as on a real card.
        painter.translate(face.center());
        painter.rotate(180);
        painter.translate(-face.center());
        painter.drawText(QRectF(face.left() + 1.2 * s, face.top() + 0.8 * s, 5 * s, 6 * s), Qt::AlignCenter,
                         QStringLiteral("A"));
    }
    painter.restore();
    return image;
}

// Flags are 24 x 16 with a dark frame; stripes are whole pixels so they stay sharp.
using FlagPainter = std::function<QColor(int x, int y)>;  // x 0..21, y 0..13 inside the frame

QImage FlagRow(int width, const std::vector<FlagPainter>& flags) {
    QImage image = Canvas(width, 20);
    const int count = static_cast<int>(flags.size());
    const int gap = (width - 24 * count) / (count - 1);
    for (int i = 0; i < count; ++i) {
        const int left = i * (24 + gap) + (width - 24 * count - gap * (count - 1)) / 2;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 24; ++x) {
                const bool frame = x == 0 || y == 0 || x == 23 || y == 15;
                image.setPixelColor(
                    left + x, 2 + y,
                    frame ? QColor(0x30, 0x30, 0x30) : flags[static_cast<std::size_t>(i)](x - 1, y - 1));
            }
    }
    return image;
}

QColor UsaFlag(int x, int y) {
    const QColor red(0xD0, 0x10, 0x20), white(Qt::white), blue(0x20, 0x28, 0x80);
    // Fifty stars do not fit; a staggered dot pattern in the canton reads as stars at this size.
    if (x < 10 && y < 8) return x >= 1 && x <= 8 && y >= 1 && y <= 6 && (x + y) % 2 == 0 ? white : blue;
    // Seven two-pixel stripes stand for the thirteen.
    return (y / 2) % 2 == 0 ? red : white;
}

QColor UkFlag(int x, int y) {
    const QColor red(0xD0, 0x10, 0x20), white(Qt::white), blue(0x10, 0x20, 0x70);
    const double px = x + 0.5 - 11, py = y + 0.5 - 7;
    if (std::abs(px) < 1 || std::abs(py) < 1) return red;
    if (std::abs(px) < 2 || std::abs(py) < 2) return white;
    // Distances from the two corner-to-corner diagonals of the 22 x 14 field.
    const double norm = std::hypot(11.0, 7.0);
    const double d = std::min(std::abs(py * 11 - px * 7), std::abs(py * 11 + px * 7)) / norm;
    return d < 0.55 ? red : d < 1.6 ? white : blue;
}

QColor AustriaFlag(int, int y) {
    return y >= 5 && y < 9 ? QColor(Qt::white) : QColor(0xD0, 0x10, 0x20);
}

QColor GermanyFlag(int, int y) {
    return y < 5 ? QColor(0x10, 0x10, 0x10) : y < 9 ? QColor(0xD8, 0x00, 0x00) : QColor(0xFF, 0xC8, 0x00);
}

QColor SwissFlag(int x, int y) {
    const bool bar = (x >= 9 && x <= 12 && y >= 2 && y <= 11) || (x >= 6 && x <= 15 && y >= 5 && y <= 8);
    return bar ? QColor(Qt::white) : QColor(0xE0, 0x10, 0x10);
}

// --- Logos ---------------------------------------------------------------------------------

// Club, spade, heart, diamond, each about size pixels tall around centre.
QPainterPath SuitPath(int suit, QPointF centre, double size) {
    const double s = size / 2;
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    if (suit == 2) return HeartPath(centre, size);
    if (suit == 3) {
        path.moveTo(centre.x(), centre.y() - s);
        path.lineTo(centre.x() + s * 0.75, centre.y());
        path.lineTo(centre.x(), centre.y() + s);
        path.lineTo(centre.x() - s * 0.75, centre.y());
        path.closeSubpath();
        return path;
    }
    if (suit == 1) {
        // A spade is a heart upside down on a short stem.
        QTransform flip;
        flip.translate(centre.x(), centre.y() - s * 0.15);
        flip.rotate(180);
        path.addPath(flip.map(HeartPath({0, 0}, size * 0.85)));
    } else {
        const double r = s * 0.4;
        path.addEllipse(QPointF(centre.x(), centre.y() - s * 0.55), r, r);
        path.addEllipse(QPointF(centre.x() - s * 0.55, centre.y() + s * 0.1), r, r);
        path.addEllipse(QPointF(centre.x() + s * 0.55, centre.y() + s * 0.1), r, r);
    }
    QPainterPath stem;
    stem.moveTo(centre.x(), centre.y());
    stem.lineTo(centre.x() + s * 0.35, centre.y() + s);
    stem.lineTo(centre.x() - s * 0.35, centre.y() + s);
    stem.closeSubpath();
    return path.united(stem);
}

// Sixteen-colour artwork: every pixel snaps to the standard palette, with no partial alpha.
void SnapToSixteenColours(QImage& image) {
    static const QRgb palette[] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                   0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                   0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() < 128) {
                image.setPixelColor(x, y, Qt::transparent);
                continue;
            }
            QRgb best = palette[0];
            int bestDistance = 1 << 30;
            for (QRgb p : palette) {
                const int dr = qRed(p) - c.red(), dg = qGreen(p) - c.green(), db = qBlue(p) - c.blue();
                if (dr * dr + dg * dg + db * db < bestDistance) {
                    bestDistance = dr * dr + dg * dg + db * db;
                    best = p;
                }
            }
            image.setPixel(x, y, 0xFF000000 | best);
        }
}

constexpr double Pi = std::numbers::pi;

}  // namespace

QFont LogoFont(int pixelSize, bool bold, bool antialias) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    if (!antialias) font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

QImage WindowIcon(int size) {
    return size == 16 ? Icon16() : IconPainted(size);
}

QImage EnglishFlags() {
    return FlagRow(53, {UsaFlag, UkFlag});
}

QImage GermanFlags() {
    return FlagRow(80, {AustriaFlag, GermanyFlag, SwissFlag});
}

QImage MakerLogo() {
    QImage image = Canvas(100, 75);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPen outline(Qt::black, 1.2);
    const QRectF card(-14, -50, 28, 46);
    const QPointF pivot(26, 71);
    const QColor backs[] = {QColor(0xC0, 0x10, 0x10), QColor(0x20, 0x40, 0xD0)};
    for (int i = 0; i < 2; ++i) {
        painter.save();
        painter.translate(pivot);
        painter.rotate(-15 + i * 9);
        painter.setPen(outline);
        painter.setBrush(backs[i]);
        painter.drawRoundedRect(card, 3, 3);
        painter.restore();
    }
    painter.save();
    painter.translate(pivot);
    painter.rotate(8);
    painter.setPen(outline);
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(card, 3, 3);
    // The joker's cap: three floppy points curling outwards from a band, each with a bell.
    const QColor capColours[] = {QColor(0xE0, 0x10, 0x10), QColor(0xF0, 0xC0, 0x00),
                                 QColor(0x20, 0x40, 0xD0)};
    const QPointF tips[] = {{-10.5, -40}, {0, -44.5}, {10.5, -40}};
    painter.setPen(QPen(Qt::black, 0.9));
    for (int i = 0; i < 3; ++i) {
        const double baseLeft = -9 + i * 6, baseRight = baseLeft + 6;
        const double bend = (i - 1) * 6.0;
        QPainterPath point;
        point.moveTo(baseLeft, -20);
        point.quadTo(baseLeft + bend - 2, -32, tips[i].x(), tips[i].y());
        point.quadTo(baseRight + bend + 1, -30, baseRight, -20);
        point.closeSubpath();
        painter.setBrush(capColours[i]);
        painter.drawPath(point);
    }
    painter.setBrush(QColor(0xF0, 0xC0, 0x00));
    for (const QPointF& tip : tips) painter.drawEllipse(tip, 2.4, 2.4);
    painter.setBrush(QColor(0x10, 0xA0, 0x10));
    painter.drawRoundedRect(QRectF(-10, -21, 20, 5), 2, 2);
    painter.setFont(LogoFont(11, true, true));
    painter.setPen(QColor(0xE0, 0x10, 0x10));
    painter.drawText(QRectF(-14, -16, 28, 11), Qt::AlignCenter, QStringLiteral("TB"));
    painter.restore();

    painter.setFont(LogoFont(17, true, true));
    painter.setPen(QColor(0x10, 0x20, 0x80));
    painter.drawText(QRectF(48, 10, 52, 22), Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("Torvik"));
    painter.setPen(QColor(0xC0, 0x10, 0x10));
    painter.drawText(QRectF(48, 31, 52, 22), Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("Bytes"));
    painter.setPen(Qt::NoPen);
    for (int suit = 0; suit < 4; ++suit) {
        painter.setBrush(suit == 0 || suit == 1 ? QColor(0x10, 0x10, 0x10) : QColor(0xE0, 0x10, 0x10));
        painter.drawPath(SuitPath(suit, QPointF(56 + suit * 12, 64), 11));
    }
    return image;
}

QImage AssociationLogo() {
    QImage image = Canvas(119, 68);
    const double cx = 59.5, cy = 27;
    Draw(image, Circle(cx, cy, 26.5), {QColor(0x00, 0x00, 0xFF), QColor(0x00, 0x00, 0x80)});
    Draw(image, Circle(cx, cy, 19.5), {Qt::white, QColor(0x00, 0x00, 0x80)});
    // White studs break up the ring so that it reads as a badge rather than a plain circle.
    for (int i = 0; i < 4; ++i) {
        const double a = (45 + 90 * i) * Pi / 180;
        Draw(image, Circle(cx + 23 * std::cos(a), cy + 23 * std::sin(a), 2.2), {Qt::white, Qt::white});
    }
    QPainter painter(&image);
    painter.setFont(LogoFont(17, true, false));
    painter.setPen(QColor(0x80, 0x00, 0x00));
    painter.drawText(QRectF(cx - 19, cy - 10, 38, 20), Qt::AlignCenter, QStringLiteral("RFS"));
    const QString line = QStringLiteral("Ring freier Spieleautoren");
    int pixelSize = 12;
    while (pixelSize > 7 && QFontMetrics(LogoFont(pixelSize, false, false)).horizontalAdvance(line) > 117)
        --pixelSize;
    painter.setFont(LogoFont(pixelSize, false, false));
    painter.setPen(QColor(0x00, 0x00, 0x80));
    painter.drawText(QRectF(0, 55, 119, 13), Qt::AlignHCenter | Qt::AlignVCenter, line);
    painter.end();
    SnapToSixteenColours(image);
    return image;
}

}  // namespace uiart
