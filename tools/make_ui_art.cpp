// Draws the tool strip pictures, score faces, window icons, dialog glyphs and logos and writes
// them as PNG files under the assets folder given as the only argument, with the icon theme's
// copies of the window icon under icons/hicolor.
//
// Small pictures are built on the pixel grid (hand-drawn rows or shapes sampled at pixel
// centres, without antialiasing) so that they stay crisp at their real size; only the window
// icons and the maker's logo use antialiased painting. Nothing depends on time or randomness,
// so running the program again gives the same bytes.

#include "make_ui_art.h"

#include <QDir>
#include <QFileInfo>
#include <QFontInfo>
#include <QGuiApplication>
#include <QPointF>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <numbers>
#include <utility>
#include <vector>

namespace {

// One letter per colour keeps the hand-drawn rows readable; '.' leaves a pixel untouched.
struct PaletteEntry {
    char code;
    QRgb rgb;
};
constexpr PaletteEntry Palette[] = {
    {'K', 0x000000}, {'k', 0x181820}, {'D', 0x404048}, {'G', 0x808080}, {'S', 0xC0C0C0}, {'W', 0xFFFFFF},
    {'r', 0x800000}, {'R', 0xE01010}, {'p', 0xFF9090}, {'b', 0x000080}, {'B', 0x2040F0}, {'a', 0x90A8FF},
    {'Y', 0xFFFF00}, {'o', 0xFF9000}, {'t', 0xA05820}, {'T', 0xD89850},
};

QColor PaletteColour(char code) {
    for (const PaletteEntry& entry : Palette)
        if (entry.code == code) return QColor(entry.rgb);
    return {};
}

void Put(QImage& image, int x, int y, const QColor& colour) {
    if (image.rect().contains(x, y)) image.setPixelColor(x, y, colour);
}

}  // namespace

namespace uiart {

QImage Canvas(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

void Stamp(QImage& image, int left, int top, Grid rows) {
    int y = top;
    for (const char* row : rows) {
        for (int x = 0; row[x] != '\0'; ++x) {
            const QColor colour = PaletteColour(row[x]);
            if (colour.isValid()) Put(image, left + x, y, colour);
        }
        ++y;
    }
}

Region Circle(double cx, double cy, double radius) {
    return [=](double x, double y) { return std::hypot(x - cx, y - cy) < radius; };
}

// Paints a region with a one-pixel inner outline, so a shape keeps its exact extent and
// overlapping shapes stay apart by their own outlines.
void Draw(QImage& image, const Region& region, const Look& look, const Shade& fill) {
    const int w = image.width(), h = image.height();
    std::vector<char> in(static_cast<size_t>(w * h), 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) in[static_cast<size_t>(y * w + x)] = region(x + 0.5, y + 0.5) ? 1 : 0;
    auto inside = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < w && y < h && in[static_cast<size_t>(y * w + x)];
    };
    auto edge = [&](int x, int y) {
        return inside(x, y) &&
               (!inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1));
    };
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (!inside(x, y)) continue;
            QColor colour = fill ? fill(x, y) : look.fill;
            if (edge(x, y))
                colour = look.edge;
            else if (look.light.isValid() && (edge(x - 1, y) || edge(x, y - 1)) && !edge(x + 1, y) &&
                     !edge(x, y + 1))
                colour = look.light;
            image.setPixelColor(x, y, colour);
        }
    }
}

}  // namespace uiart

namespace {

using namespace uiart;

constexpr double Pi = std::numbers::pi;

// --- Shapes, sampled at pixel centres -------------------------------------------------------

Region Rect(double left, double top, double right, double bottom) {
    return [=](double x, double y) { return x > left && x < right && y > top && y < bottom; };
}

// A straight stroke with round ends, so that joined strokes meet without notches.
Region Stroke(QPointF from, QPointF to, double width) {
    return [=](double x, double y) {
        const double dx = to.x() - from.x();
        const double dy = to.y() - from.y();
        const double length = std::hypot(dx, dy);
        const double along = ((x - from.x()) * dx + (y - from.y()) * dy) / length;
        const double across = std::abs((x - from.x()) * dy - (y - from.y()) * dx) / length;
        return std::hypot(along - std::clamp(along, 0.0, length), across) < width / 2;
    };
}

// Angles in degrees, clockwise on screen from the positive x axis.
Region Arc(double cx, double cy, double radius, double width, double fromDeg, double toDeg) {
    return [=](double x, double y) {
        double angle = std::atan2(y - cy, x - cx) * 180 / Pi;
        while (angle < fromDeg) angle += 360;
        return angle <= toDeg && std::abs(std::hypot(x - cx, y - cy) - radius) < width / 2;
    };
}

Region Triangle(QPointF a, QPointF b, QPointF c) {
    return [=](double x, double y) {
        auto side = [&](QPointF p, QPointF q) {
            return (q.x() - p.x()) * (y - p.y()) - (q.y() - p.y()) * (x - p.x());
        };
        const double s1 = side(a, b), s2 = side(b, c), s3 = side(c, a);
        return (s1 >= 0 && s2 >= 0 && s3 >= 0) || (s1 <= 0 && s2 <= 0 && s3 <= 0);
    };
}

Region Union(std::vector<Region> parts) {
    return [parts = std::move(parts)](double x, double y) {
        return std::any_of(parts.begin(), parts.end(), [&](const Region& r) { return r(x, y); });
    };
}

// An arrowhead whose base is centred on the circle of the given radius at angle atDeg and
// which points clockwise along it.
Region CircleArrowHead(double cx, double cy, double radius, double atDeg, double halfBase, double length) {
    const double a = atDeg * Pi / 180;
    const QPointF centre(cx + radius * std::cos(a), cy + radius * std::sin(a));
    const QPointF outward(std::cos(a), std::sin(a));
    const QPointF ahead(-std::sin(a), std::cos(a));
    return Triangle(centre + outward * halfBase, centre - outward * halfBase, centre + ahead * length);
}

// The classic disabled glyph: every visible pixel in a grey according to its darkness, lifted
// by a white copy of the whole shape one pixel down and right.
QImage Disabled(const QImage& source) {
    QImage result = Canvas(source.width(), source.height());
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            if (source.pixelColor(x, y).alpha() >= 128) Put(result, x + 1, y + 1, Qt::white);
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            const QColor colour = source.pixelColor(x, y);
            if (colour.alpha() < 128) continue;
            const double luma = 0.30 * colour.redF() + 0.59 * colour.greenF() + 0.11 * colour.blueF();
            const int grey = luma < 0.25 ? 0x80 : luma < 0.6 ? 0x98 : 0xB8;
            result.setPixelColor(x, y, QColor(grey, grey, grey));
        }
    }
    return result;
}

// --- Tool strip ----------------------------------------------------------------------------

QImage Bomb(int size) {
    QImage image = Canvas(size, size);
    if (size == 18) {
        // clang-format off
        Stamp(image, 0, 0, {
            ".............o.R.o",
            "..........tt..YYY.",
            ".........t..tRYWYR",
            "........KKKK..YYY.",
            "........KSGK.o.R.o",
            ".....KKKKSGK......",
            "...KkkWkkkkK......",
            "..KkWGkkkkkkK.....",
            "..KkGkkkkkkkK.....",
            ".KkkkkkkkkkkkK....",
            ".KkkkkkkkkkkkK....",
            ".KkkkkkkkkkkDK....",
            ".KkkkkkkkkkDDK....",
            ".KkkkkkkkkDDDK....",
            "..KkkkkkkDDDK.....",
            "..KkkkkkDDDDK.....",
            "...KKkkDDDKK......",
            ".....KKKKK........",
        });
        // clang-format on
    } else {
        // clang-format off
        Stamp(image, 0, 0, {
            "...........o.R.o",
            ".........tt.YYY.",
            "........t..RYWYR",
            ".......KKKK.YYY.",
            ".......KSGKo.R.o",
            "....KKKKSGK.....",
            "..KkkWkkkkK.....",
            "..KkWGkkkkK.....",
            ".KkkGkkkkkkK....",
            ".KkkkkkkkkkK....",
            ".KkkkkkkkkDK....",
            ".KkkkkkkkDDK....",
            ".KkkkkkkDDDK....",
            "..KkkkkDDDK.....",
            "..KKkkDDDKK.....",
            "....KKKKK.......",
        });
        // clang-format on
    }
    return image;
}

QImage ReplayArrow() {
    QImage image = Canvas(18, 18);
    const Region arrow = Union({Rect(3, 3, 11, 7), Arc(11, 9, 4, 4, -90, 90), Rect(6.5, 11, 11, 15),
                                Triangle({0.5, 13}, {7, 8.5}, {7, 17.5})});
    Draw(image, arrow, {QColor(0x10, 0xB0, 0x10), QColor(0x00, 0x40, 0x00), QColor(0x90, 0xF0, 0x90)});
    return image;
}

QImage MixArrows() {
    QImage image = Canvas(18, 18);
    const double c = 9, r = 5.8;
    Draw(image, Union({Arc(c, c, r, 3.4, 185, 305), CircleArrowHead(c, c, r, 305, 4.3, 5.5)}),
         {QColor(0xF0, 0x20, 0x20), QColor(0x60, 0x00, 0x00), QColor(0xFF, 0xA0, 0xA0)});
    Draw(image, Union({Arc(c, c, r, 3.4, 5, 125), CircleArrowHead(c, c, r, 125, 4.3, 5.5)}),
         {QColor(0x30, 0x50, 0xFF), QColor(0x00, 0x00, 0x60), QColor(0xA0, 0xB0, 0xFF)});
    return image;
}

QImage Knight() {
    QImage image = Canvas(18, 18);
    // clang-format off
    Stamp(image, 0, 0, {
        "........RRR.......",
        ".......RpRRR......",
        "........RRRr......",
        ".....KKKRrKKK.....",
        "....KWSSSSSSGK....",
        "...KWSSSSSSSSGK...",
        "...KSSSSSSSSSGK...",
        "...KKKKKKKKKKKK...",
        "...KSSSSKKSSSGK...",
        "...KSWSSKKSSSDK...",
        "...KSSSSKKSSSDK...",
        "....KSSSKKSSDK....",
        ".....KKKKKKKK.....",
        "..KKKKGSSSSGKKKK..",
        ".KWSSKKWSSSGKSSGK.",
        ".KSSSGKSSSSGKSSDK.",
        ".KSSSGKSSSSGKSGDK.",
        ".KKKKKKKKKKKKKKKK.",
    });
    // clang-format on
    return image;
}

QImage BarChart() {
    QImage image = Canvas(16, 16);
    const Look red{QColor(0xF0, 0x20, 0x20), Qt::black, QColor(0xFF, 0xA0, 0xA0)};
    const Look green{QColor(0x10, 0xB0, 0x10), Qt::black, QColor(0x90, 0xF0, 0x90)};
    const Look blue{QColor(0x30, 0x50, 0xFF), Qt::black, QColor(0xA0, 0xB0, 0xFF)};
    Draw(image, Rect(2, 7, 6, 15), red);
    Draw(image, Rect(7, 2, 11, 15), green);
    Draw(image, Rect(12, 5, 16, 15), blue);
    Draw(image, Union({Rect(0, 0, 1, 16), Rect(0, 15, 16, 16)}), {Qt::black, Qt::black});
    return image;
}

// A panelled door standing ajar in its frame: the dark gap at the latch side tells it opens.
QImage Door(int size, const QColor& leaf, const QColor& leafLight, const QColor& leafEdge) {
    QImage image = Canvas(size, size);
    const int o = size == 18 ? 1 : 0;  // the larger door is one pixel wider on each side
    Draw(image, Rect(1 + o, 0, size - 1 - o, size), {QColor(0xB0, 0xB0, 0xB0), Qt::black, Qt::white});
    Draw(image, Rect(3 + o, 2, size - 3 - o, size), {QColor(0x10, 0x10, 0x18), Qt::black});
    const double latch = size - 5 - o;
    Draw(image, Rect(3 + o, 2, latch, size), {leaf, leafEdge, leafLight});
    Draw(image, Rect(5 + o, 4, latch - 2, 8 + o), {leaf, leafEdge});
    Draw(image, Rect(5 + o, 10 + o, latch - 2, size - 2), {leaf, leafEdge});
    Put(image, static_cast<int>(latch) - 2, 9 + o, QColor(0xFF, 0xE0, 0x40));
    return image;
}

QImage DiscWithSign(const QColor& fill, const QColor& edge, const QColor& light, Grid sign, int signTop) {
    QImage image = Canvas(18, 18);
    Draw(image, Circle(9, 9, 8.2), {fill, edge, light});
    const int width = static_cast<int>(std::strlen(*sign.begin()));
    Stamp(image, 9 - width / 2, signTop, sign);
    return image;
}

QImage HelpDisc() {
    // clang-format off
    return DiscWithSign(QColor(0xE0, 0x10, 0x10), QColor(0x60, 0x00, 0x00), QColor(0xFF, 0x80, 0x80), {
        ".WWWW.",
        "WW..WW",
        "WW....",
        ".WWWW.",
        "WW..WW",
        "WW..WW",
        ".WWWW.",
        "....WW",
        "WW..WW",
        ".WWWW.",
    }, 4);
    // clang-format on
}

QImage InfoDisc() {
    // clang-format off
    return DiscWithSign(QColor(0x20, 0x40, 0xE0), QColor(0x00, 0x00, 0x60), QColor(0x90, 0xA8, 0xFF), {
        ".WW.",
        ".WW.",
        "....",
        "WWW.",
        ".WW.",
        ".WW.",
        ".WW.",
        ".WW.",
        "WWWW",
    }, 4);
    // clang-format on
}

QImage Lips() {
    QImage image = Canvas(15, 15);
    // clang-format off
    Stamp(image, 0, 0, {
        "...............",
        "...............",
        "...............",
        "....KKK.KKK....",
        "..KKRRRKRRRKK..",
        ".KRRpRRRRRRRRK.",
        "KrRRRRRRRRRRRrK",
        "KrrrrrrrrrrrrrK",
        ".KrRRRRRRRRRrK.",
        "..KRRppRRRRRK..",
        "...KKRRRRRKK...",
        ".....KKKKK.....",
    });
    // clang-format on
    return image;
}

// Score faces: the fill follows the score band, the mouth turns from a grin to a frown.
enum class Mouth { Grin, Smile, Straight, Frown, Sad };

QImage Face(int size, const Shade& fill, Mouth mouth) {
    QImage image = Canvas(size, size);
    const double c = 8.5, r = size == 17 ? 8.45 : 7.5;
    Draw(image, Circle(c, c, r), {{}, Qt::black}, fill);
    Stamp(image, 5, 4, {"KK...KK", "KK...KK", "KK...KK"});
    switch (mouth) {
        case Mouth::Grin:
            Stamp(image, 3, 9, {"KKKKKKKKKKK", ".KWWWWWWWK.", "..KrRRRrK..", "...KKKKK..."});
            break;
        case Mouth::Smile:
            Stamp(image, 3, 9, {"K.........K", ".K.......K.", "..KK...KK..", "....KKK...."});
            break;
        case Mouth::Straight:
            Stamp(image, 4, 11, {"KKKKKKKKK"});
            break;
        case Mouth::Frown:
            Stamp(image, 4, 11, {"..KKKKK..", "KK.....KK"});
            break;
        case Mouth::Sad:
            Stamp(image, 4, 10, {"...KKK...", ".KK...KK.", "K.......K"});
            Stamp(image, 11, 7, {"a", "B"});
            break;
    }
    return image;
}

Shade Flat(QColor colour) {
    return [=](int, int) { return colour; };
}

Shade Checker(QColor first, QColor second) {
    // Three-pixel squares, with the middle one centred on the face.
    return [=](int x, int y) { return (((x + 2) / 3 + (y + 2) / 3) % 2 == 0) ? first : second; };
}

// --- Dialog glyphs -------------------------------------------------------------------------

QImage Tick() {
    QImage image = Canvas(16, 16);
    Draw(image, Union({Stroke({2, 8.5}, {6.5, 13}, 4.2), Stroke({6.5, 13}, {14, 3}, 4.2)}),
         {QColor(0x10, 0xB0, 0x10), QColor(0x00, 0x40, 0x00), QColor(0x90, 0xF0, 0x90)});
    return image;
}

QImage Cross() {
    QImage image = Canvas(16, 16);
    Draw(image, Union({Stroke({3, 3}, {13, 13}, 4.2), Stroke({13, 3}, {3, 13}, 4.2)}),
         {QColor(0xF0, 0x20, 0x20), QColor(0x60, 0x00, 0x00), QColor(0xFF, 0xA0, 0xA0)});
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_ui_art <assets folder>\n");
        return 2;
    }
    // Another font would change the logos silently; refuse rather than write different art.
    const QFontInfo fontInfo(uiart::LogoFont(12, false, true));
    if (fontInfo.family() != QStringLiteral("Liberation Sans")) {
        std::fprintf(stderr, "make_ui_art: font Liberation Sans not found (got %s)\n",
                     qPrintable(fontInfo.family()));
        return 1;
    }

    const QColor yellow(0xFF, 0xF0, 0x00), green(0x20, 0xC0, 0x20), red(0xF0, 0x20, 0x20);
    // The chequered faces use a lighter second colour so the black features stay readable.
    const QColor paleGreen(0x50, 0xD8, 0x50), magenta(0xF0, 0x20, 0xF0), pink(0xFF, 0xB0, 0xFF);
    const QImage replay = ReplayArrow(), mix = MixArrows(), knight = Knight(), chart = BarChart();
    const QImage tick = Tick(), cross = Cross();
    std::vector<std::pair<QString, QImage>> files = {
        {QStringLiteral("ui/btn_new.png"), Bomb(18)},
        {QStringLiteral("ui/btn_reset.png"), replay},
        {QStringLiteral("ui/btn_reset_disabled.png"), Disabled(replay)},
        {QStringLiteral("ui/btn_mix.png"), mix},
        {QStringLiteral("ui/btn_mix_disabled.png"), Disabled(mix)},
        {QStringLiteral("ui/btn_options.png"), knight},
        {QStringLiteral("ui/btn_options_disabled.png"), Disabled(knight)},
        {QStringLiteral("ui/btn_statistic.png"), chart},
        {QStringLiteral("ui/btn_statistic_disabled.png"), Disabled(chart)},
        {QStringLiteral("ui/btn_exit.png"),
         Door(18, QColor(0xA0, 0x58, 0x20), QColor(0xD8, 0x98, 0x50), QColor(0x40, 0x20, 0x00))},
        {QStringLiteral("ui/btn_help.png"), HelpDisc()},
        {QStringLiteral("ui/btn_info.png"), InfoDisc()},
        {QStringLiteral("ui/btn_tongue.png"), Lips()},
        {QStringLiteral("ui/face_b100.png"), Face(17, Flat(yellow), Mouth::Grin)},
        {QStringLiteral("ui/face_b80.png"), Face(17, Checker(yellow, paleGreen), Mouth::Smile)},
        {QStringLiteral("ui/face_b60.png"), Face(17, Flat(green), Mouth::Straight)},
        {QStringLiteral("ui/face_b40.png"), Face(17, Checker(magenta, pink), Mouth::Frown)},
        {QStringLiteral("ui/face_b20.png"), Face(17, Flat(red), Mouth::Sad)},
        {QStringLiteral("ui/icon_16.png"), WindowIcon(16)},
        {QStringLiteral("ui/icon_32.png"), WindowIcon(32)},
        {QStringLiteral("ui/icon_48.png"), WindowIcon(48)},
        {QStringLiteral("dialogs/bomb.png"), Bomb(16)},
        {QStringLiteral("dialogs/door.png"),
         Door(16, QColor(0x20, 0x40, 0xE0), QColor(0x90, 0xA8, 0xFF), QColor(0x00, 0x00, 0x60))},
        {QStringLiteral("dialogs/smile.png"), Face(16, Flat(yellow), Mouth::Smile)},
        {QStringLiteral("dialogs/ok.png"), tick},
        {QStringLiteral("dialogs/ok_disabled.png"), Disabled(tick)},
        {QStringLiteral("dialogs/cancel.png"), cross},
        {QStringLiteral("dialogs/cancel_disabled.png"), Disabled(cross)},
        {QStringLiteral("dialogs/flags_en.png"), EnglishFlags()},
        {QStringLiteral("dialogs/flags_de.png"), GermanFlags()},
        {QStringLiteral("dialogs/logo_maker.png"), MakerLogo()},
        {QStringLiteral("dialogs/logo_association.png"), AssociationLogo()},
        {QStringLiteral("dialogs/colour_field.png"), FieldColourGlyph()},
        {QStringLiteral("dialogs/colour_frame.png"), FrameColourGlyph()},
    };

    // The icon theme's copies, drawn afresh at every size a desktop asks for.
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        files.emplace_back(QStringLiteral("icons/hicolor/%1x%1/apps/org.example.TorvikVandrel.png").arg(size),
                           WindowIcon(size));
    }

    const QDir root(QString::fromLocal8Bit(argv[1]));
    for (const auto& [name, image] : files) {
        const QString path = root.filePath(name);
        if (!root.mkpath(QFileInfo(path).path()) || !image.save(path, "PNG")) {
            std::fprintf(stderr, "make_ui_art: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
