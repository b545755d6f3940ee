#include "media/ShapedToolTip.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QRegion>
#include <QScreen>
#include <QTextDocumentFragment>
#include <QToolTip>
#include <vector>

namespace {

constexpr int MarginX = 6;
constexpr int MarginY = 3;
// Room for the rounded corners and the nose's base.
constexpr int MinWidth = 40;
constexpr int MinHeight = 18;

QString PlainText(const QString& text) {
    return Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
}

QRect DesktopAt(QPoint spot) {
    QScreen* screen = QGuiApplication::screenAt(spot);
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->virtualGeometry() : QRect(spot, QSize(1, 1));
}

// The outline as window region, built from one-pixel-high runs so it stays Y-X banded.
QRegion RegionOf(const QImage& picture) {
    std::vector<QRect> runs;
    for (int y = 0; y < picture.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        int x = 0;
        while (x < picture.width()) {
            if (qAlpha(row[x]) == 0) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < picture.width() && qAlpha(row[x]) != 0) ++x;
            runs.emplace_back(start, y, x - start, 1);
        }
    }
    QRegion region;
    region.setRects(runs.data(), static_cast<int>(runs.size()));
    return region;
}

}  // namespace

ShapedToolTip::ShapedToolTip()
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput |
                           Qt::WindowDoesNotAcceptFocus) {
    setObjectName(QStringLiteral("ShapedToolTip"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Without a readable screen the shadow needs real transparency, which the window must ask
    // for before it is first shown.
    translucent = QGuiApplication::platformName() != QLatin1String("xcb");
    if (translucent) setAttribute(Qt::WA_TranslucentBackground);
    setFont(TipFont());
}

QFont ShapedToolTip::TipFont() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(8);
    font.setWeight(QFont::Normal);
    return font;
}

QSize ShapedToolTip::BodySize(const QString& shown) {
    const QFontMetrics metrics(TipFont());
    const QRect bounds =
        metrics.boundingRect(QRect(0, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop, PlainText(shown));
    return QSize(qMax(bounds.width() + 2 * MarginX, MinWidth),
                 qMax(bounds.height() + 2 * MarginY, MinHeight));
}

QImage ShapedToolTip::Compose(const ToolTipShape& outline, const QString& shown, const QImage& beneath) {
    const QPalette colours = QToolTip::palette();
    const QRgb fill = colours.color(QPalette::ToolTipBase).rgb() | 0xFF000000;
    const QRgb ink = colours.color(QPalette::ToolTipText).rgb();
    const QRgb buttonShadow = QApplication::palette().color(QPalette::Dark).rgb() | 0xFF000000;
    const QRgb white = 0xFFFFFFFF;
    const QRgb black = 0xFF000000;
    const bool readable = beneath.size() == outline.Window().size();
    const QImage under = readable ? beneath.convertToFormat(QImage::Format_RGB32) : QImage();

    const QImage pixels = outline.Pixels();
    QImage picture(pixels.size(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < pixels.height(); ++y) {
        const uchar* kind = pixels.constScanLine(y);
        auto* out = reinterpret_cast<QRgb*>(picture.scanLine(y));
        const auto* below = readable ? reinterpret_cast<const QRgb*>(under.constScanLine(y)) : nullptr;
        for (int x = 0; x < pixels.width(); ++x) {
            switch (kind[x]) {
                case ToolTipShape::Fill:
                    out[x] = fill;
                    break;
                case ToolTipShape::Border:
                    out[x] = black;
                    break;
                case ToolTipShape::ShadowPixel: {
                    // The checkerboard is dark where exactly one coordinate is odd.
                    const QRgb checker = ((x ^ y) & 1) != 0 ? buttonShadow : white;
                    if (below != nullptr) {
                        out[x] = (below[x] & checker) | 0xFF000000;
                    } else {
                        out[x] = checker == white ? 0 : checker;
                    }
                    break;
                }
                default:
                    out[x] = 0;
            }
        }
    }
    QPainter painter(&picture);
    painter.setFont(TipFont());
    painter.setPen(QColor::fromRgb(ink));
    painter.drawText(outline.Body().adjusted(MarginX, MarginY, -MarginX, -MarginY),
                     Qt::AlignLeft | Qt::AlignTop, PlainText(shown));
    return picture;
}

QImage ShapedToolTip::GrabBeneath(const QRect& area) const {
    if (translucent) return QImage();
    QScreen* screen = QGuiApplication::screenAt(area.topLeft());
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return QImage();
    const QPoint origin = screen->geometry().topLeft();
    const QPixmap grabbed =
        screen->grabWindow(0, area.x() - origin.x(), area.y() - origin.y(), area.width(), area.height());
    return grabbed.toImage();
}

void ShapedToolTip::ShowText(QPoint spot, const QString& shown) {
    text = shown;
    shape = ToolTipShape::Place(spot, BodySize(shown), DesktopAt(spot));
    // Read before showing, so the window does not see itself.
    picture = Compose(shape, shown, GrabBeneath(shape.Window()));
    setGeometry(shape.Window());
    setMask(RegionOf(picture));
    show();
    raise();
    update();
}

void ShapedToolTip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, picture);
}
