// Draws the card sheets ("mask", "cards", "decks", "cellar") pixel by pixel in the 16-colour palette
// and writes them as indexed PNGs, so every build of the artwork is byte for byte the same.
//
//   make_card_sheets <folder>           writes the four sheets into <folder> and checks them
//   make_card_sheets --check <folder>   only checks the sheets already in <folder>
//
// Everything is drawn by hand-set pixels, hand-made bitmaps and shapes tested at pixel centres,
// never through fonts or antialiasing: at 43 x 60 pixels a single stray pixel shows.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QList>
#include <QPointF>
#include <QRect>
#include <QString>
#include <QStringList>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string_view>
#include <vector>

namespace {

constexpr int CellWidth = 43;
constexpr int CellHeight = 60;

// Indices into the standard 16-colour palette; the PNGs store exactly these entries in this order.
enum Colour : int {
    Black,
    Maroon,
    Green,
    Olive,
    Navy,
    Purple,
    Teal,
    Silver,
    Gray,
    Red,
    Lime,
    Yellow,
    Blue,
    Fuchsia,
    Aqua,
    White,
};
constexpr int Clear = -1;

const QList<QRgb> Palette = {
    qRgb(0x00, 0x00, 0x00), qRgb(0x80, 0x00, 0x00), qRgb(0x00, 0x80, 0x00), qRgb(0x80, 0x80, 0x00),
    qRgb(0x00, 0x00, 0x80), qRgb(0x80, 0x00, 0x80), qRgb(0x00, 0x80, 0x80), qRgb(0xC0, 0xC0, 0xC0),
    qRgb(0x80, 0x80, 0x80), qRgb(0xFF, 0x00, 0x00), qRgb(0x00, 0xFF, 0x00), qRgb(0xFF, 0xFF, 0x00),
    qRgb(0x00, 0x00, 0xFF), qRgb(0xFF, 0x00, 0xFF), qRgb(0x00, 0xFF, 0xFF), qRgb(0xFF, 0xFF, 0xFF),
};

// The 12 pixels the mask leaves transparent: two at each end of the first and last row, one at
// each end of the second and second-to-last row.
bool IsCorner(int x, int y) {
    const int row = std::min(y, CellHeight - 1 - y);
    const int column = std::min(x, CellWidth - 1 - x);
    return (row == 0 && column <= 1) || (row == 1 && column == 0);
}

// The rounded one-pixel outline of a card, just inside the corner pixels.
bool IsEdge(int x, int y) {
    if (IsCorner(x, y)) return false;
    const int row = std::min(y, CellHeight - 1 - y);
    const int column = std::min(x, CellWidth - 1 - x);
    return row == 0 || column == 0 || (row == 1 && column == 1);
}

// Pixel art: one string per row. '.' leaves the pixel alone; '1' to '3' take the inks the caller
// passes, so one picture serves every suit and every deck colour.
using Sprite = std::vector<std::string_view>;
using Inks = std::array<int, 3>;

int InkOf(char code, const Inks& inks) {
    switch (code) {
        case 'k':
            return Black;
        case 'R':
            return Maroon;
        case 'g':
            return Green;
        case 'o':
            return Olive;
        case 'N':
            return Navy;
        case 'p':
            return Purple;
        case 't':
            return Teal;
        case 's':
            return Silver;
        case 'a':
            return Gray;
        case 'r':
            return Red;
        case 'G':
            return Lime;
        case 'y':
            return Yellow;
        case 'b':
            return Blue;
        case 'm':
            return Fuchsia;
        case 'c':
            return Aqua;
        case 'w':
            return White;
        case '1':
            return inks[0];
        case '2':
            return inks[1];
        case '3':
            return inks[2];
        default:
            return Clear;
    }
}

class Canvas {
public:
    Canvas(int width, int height, int fill)
        : w(width), h(height), pixels(static_cast<std::size_t>(width * height), fill) {}

    int Width() const { return w; }
    int Height() const { return h; }

    int At(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h ? pixels[Index(x, y)] : Clear; }

    void Plot(int x, int y, int colour) {
        if (colour == Clear || !clip.contains(x, y) || x < 0 || y < 0 || x >= w || y >= h) return;
        pixels[Index(x, y)] = colour;
    }

    std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y * w + x); }

    // Later drawing stays inside this rectangle, so a picture cannot spill over a card's frame.
    void ClipTo(const QRect& rect) { clip = rect; }
    void Unclip() { clip = QRect(-1000, -1000, 3000, 3000); }

    void Fill(int x, int y, int width, int height, int colour) {
        for (int j = y; j < y + height; ++j)
            for (int i = x; i < x + width; ++i) Plot(i, j, colour);
    }

    void Frame(int x, int y, int width, int height, int colour) {
        Fill(x, y, width, 1, colour);
        Fill(x, y + height - 1, width, 1, colour);
        Fill(x, y, 1, height, colour);
        Fill(x + width - 1, y, 1, height, colour);
    }

    // Shapes take their pixels by testing pixel centres, which keeps them symmetric and crisp.
    template <typename Inside>
    void Shape(int colour, Inside inside) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (inside(x + 0.5, y + 0.5)) Plot(x, y, colour);
    }

    void Ellipse(double cx, double cy, double rx, double ry, int colour) {
        Shape(colour, [&](double x, double y) {
            const double u = (x - cx) / rx, v = (y - cy) / ry;
            return u * u + v * v <= 1.0;
        });
    }

    void Ring(double cx, double cy, double outer, double inner, int colour) {
        Shape(colour, [&](double x, double y) {
            const double d = std::hypot(x - cx, y - cy);
            return d <= outer && d > inner;
        });
    }

    void Polygon(const std::vector<QPointF>& points, int colour) {
        Shape(colour, [&](double x, double y) { return Contains(points, x, y); });
    }

    void Line(int x0, int y0, int x1, int y1, int colour) {
        const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
        const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
        int error = dx + dy;
        for (;;) {
            Plot(x0, y0, colour);
            if (x0 == x1 && y0 == y1) break;
            const int twice = 2 * error;
            if (twice >= dy) {
                error += dy;
                x0 += sx;
            }
            if (twice <= dx) {
                error += dx;
                y0 += sy;
            }
        }
    }

    void Art(int x, int y, const Sprite& sprite, const Inks& inks = {Black, Black, Black},
             bool turned = false) {
        const int rows = static_cast<int>(sprite.size());
        for (int j = 0; j < rows; ++j) {
            const auto& line = sprite[static_cast<std::size_t>(j)];
            const int columns = static_cast<int>(line.size());
            for (int i = 0; i < columns; ++i) {
                const int colour = InkOf(line[static_cast<std::size_t>(i)], inks);
                if (turned)
                    Plot(x + columns - 1 - i, y + rows - 1 - j, colour);
                else
                    Plot(x + i, y + j, colour);
            }
        }
    }

    // Copies the drawn pixels of a layer of the same size, optionally turned by half a circle, and
    // rings them with the outline colour wherever they border on undrawn pixels of the layer.
    void Stamp(const Canvas& layer, int outline = Clear, bool turned = false) {
        auto source = [&](int x, int y) { return turned ? layer.At(w - 1 - x, h - 1 - y) : layer.At(x, y); };
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const int colour = source(x, y);
                if (colour != Clear) {
                    Plot(x, y, colour);
                } else if (outline != Clear && (source(x - 1, y) != Clear || source(x + 1, y) != Clear ||
                                                source(x, y - 1) != Clear || source(x, y + 1) != Clear)) {
                    Plot(x, y, outline);
                }
            }
        }
    }

    void CopyInto(QImage& sheet, int left, int top) const {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) sheet.setPixel(left + x, top + y, static_cast<uint>(At(x, y)));
    }

private:
    static bool Contains(const std::vector<QPointF>& points, double x, double y) {
        bool inside = false;
        for (size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
            const QPointF& a = points[i];
            const QPointF& b = points[j];
            if ((a.y() > y) != (b.y() > y) && x < (b.x() - a.x()) * (y - a.y()) / (b.y() - a.y()) + a.x())
                inside = !inside;
        }
        return inside;
    }

    int w;
    int h;
    std::vector<int> pixels;
    QRect clip{-1000, -1000, 3000, 3000};
};

Canvas BlankCell() {
    return Canvas(CellWidth, CellHeight, Clear);
}

// A card-shaped cell: black corners, the rounded edge and a filled inside.
Canvas CardShape(int edge, int inside) {
    Canvas cell(CellWidth, CellHeight, inside);
    for (int y = 0; y < CellHeight; ++y) {
        for (int x = 0; x < CellWidth; ++x) {
            if (IsCorner(x, y))
                cell.Plot(x, y, Black);
            else if (IsEdge(x, y))
                cell.Plot(x, y, edge);
        }
    }
    return cell;
}

// ---------------------------------------------------------------------------------------------
// Suit signs

enum Suit { Clubs, Spades, Diamonds, Hearts };

bool IsRed(int suit) {
    return suit == Diamonds || suit == Hearts;
}

// Large signs (aces and place markers) come from these outlines in a [-1, 1] square, y downwards;
// at pip size they would turn to mush, so the small signs below are drawn by hand.
bool InSuit(int suit, double u, double v) {
    auto disc = [&](double cx, double cy, double r) {
        return (u - cx) * (u - cx) + (v - cy) * (v - cy) <= r * r;
    };
    auto triangle = [&](QPointF a, QPointF b, QPointF c) {
        auto side = [&](QPointF p, QPointF q) {
            return (q.x() - p.x()) * (v - p.y()) - (q.y() - p.y()) * (u - p.x());
        };
        const double s1 = side(a, b), s2 = side(b, c), s3 = side(c, a);
        return (s1 >= 0 && s2 >= 0 && s3 >= 0) || (s1 <= 0 && s2 <= 0 && s3 <= 0);
    };
    switch (suit) {
        case Clubs:
            return disc(0, -0.5, 0.43) || disc(-0.52, 0.14, 0.43) || disc(0.52, 0.14, 0.43) ||
                   disc(0, 0, 0.3) || triangle({0, -0.2}, {-0.38, 1}, {0.38, 1});
        case Spades:
            return disc(-0.47, 0.22, 0.47) || disc(0.47, 0.22, 0.47) ||
                   triangle({-0.92, 0.1}, {0.92, 0.1}, {0, -1}) ||
                   triangle({0, -0.2}, {-0.38, 1}, {0.38, 1}) || (std::abs(u) < 0.3 && v >= 0 && v <= 0.4);
        case Diamonds:
            return std::abs(u) + std::abs(v) <= 1.0;
        default:
            return disc(-0.48, -0.47, 0.5) || disc(0.48, -0.47, 0.5) ||
                   triangle({-0.96, -0.3}, {0.96, -0.3}, {0, 1});
    }
}

void BigSuit(Canvas& canvas, int suit, double cx, double cy, double halfWidth, double halfHeight,
             int colour) {
    canvas.Shape(colour, [&](double x, double y) {
        return InSuit(suit, (x - cx) / halfWidth, (y - cy) / halfHeight);
    });
}

// Pips: 7 x 8.
const std::array<Sprite, 4> Pips = {{
    {
        "..111..",
        ".11111.",
        "..111..",
        "11.1.11",
        "1111111",
        "11.1.11",
        "...1...",
        "..111..",
    },
    {
        "...1...",
        "..111..",
        ".11111.",
        "1111111",
        "1111111",
        "11.1.11",
        "...1...",
        "..111..",
    },
    {
        "...1...",
        "..111..",
        ".11111.",
        "1111111",
        "1111111",
        ".11111.",
        "..111..",
        "...1...",
    },
    {
        ".11.11.",
        "1111111",
        "1111111",
        "1111111",
        ".11111.",
        "..111..",
        "...1...",
        ".......",
    },
}};
constexpr int PipWidth = 7;
constexpr int PipHeight = 8;

// Index signs under the corner letters: 5 x 7.
const std::array<Sprite, 4> SmallSuits = {{
    {
        "..1..",
        ".111.",
        "1.1.1",
        "11111",
        "1.1.1",
        "..1..",
        ".111.",
    },
    {
        "..1..",
        ".111.",
        "11111",
        "11111",
        "1.1.1",
        "..1..",
        ".111.",
    },
    {
        "..1..",
        ".111.",
        ".111.",
        "11111",
        ".111.",
        ".111.",
        "..1..",
    },
    {
        ".1.1.",
        "11111",
        "11111",
        "11111",
        ".111.",
        "..1..",
        ".....",
    },
}};

// ---------------------------------------------------------------------------------------------
// Corner indices: a 7-pixel-high hand-made font, so the letters never depend on installed fonts.

const Sprite& Glyph(char c) {
    static const Sprite a = {"..1..", ".1.1.", "1...1", "1...1", "11111", "1...1", "1...1"};
    static const Sprite two = {".111.", "1...1", "....1", "...1.", "..1..", ".1...", "11111"};
    static const Sprite three = {"11111", "...1.", "..1..", "...1.", "....1", "1...1", ".111."};
    static const Sprite four = {"...1.", "..11.", ".1.1.", "1..1.", "11111", "...1.", "...1."};
    static const Sprite five = {"11111", "1....", "1111.", "....1", "....1", "1...1", ".111."};
    static const Sprite six = {"..11.", ".1...", "1....", "1111.", "1...1", "1...1", ".111."};
    static const Sprite seven = {"11111", "....1", "...1.", "..1..", ".1...", ".1...", ".1..."};
    static const Sprite eight = {".111.", "1...1", "1...1", ".111.", "1...1", "1...1", ".111."};
    static const Sprite nine = {".111.", "1...1", "1...1", ".1111", "....1", "...1.", ".11.."};
    // "10" has to fit the same column as one letter, so its digits are narrower.
    static const Sprite ten = {".1..11.", "11.1..1", ".1.1..1", ".1.1..1", ".1.1..1", ".1.1..1", ".1..11."};
    static const Sprite jack = {"1111.", "1...1", "1...1", "1111.", "1...1", "1...1", "1111."};
    static const Sprite queen = {".111.", "1...1", "1...1", "1...1", "1.1.1", "1..1.", ".11.1"};
    static const Sprite king = {"1...1", "1..1.", "1.1..", "11...", "1.1..", "1..1.", "1...1"};
    switch (c) {
        case 'A':
            return a;
        case '2':
            return two;
        case '3':
            return three;
        case '4':
            return four;
        case '5':
            return five;
        case '6':
            return six;
        case '7':
            return seven;
        case '8':
            return eight;
        case '9':
            return nine;
        case 'T':
            return ten;
        case 'B':
            return jack;
        case 'Q':
            return queen;
        default:
            return king;
    }
}

constexpr char RankCodes[] = "A23456789TBQK";

// The top-left index; the bottom-right one is the same layer turned round.
Canvas IndexLayer(int suit, int rank, int ink) {
    Canvas layer = BlankCell();
    const Sprite& glyph = Glyph(RankCodes[rank - 1]);
    const int glyphWidth = static_cast<int>(glyph[0].size());
    layer.Art(5 - glyphWidth / 2, 3, glyph, {ink, ink, ink});
    layer.Art(3, 11, SmallSuits[static_cast<std::size_t>(suit)], {ink, ink, ink});
    return layer;
}

// ---------------------------------------------------------------------------------------------
// Number cards

constexpr int PipLeft = 10;
constexpr int PipCentre = 18;
constexpr int PipRight = 26;
constexpr int TopRow = 4;
constexpr int SecondRow = 18;  // of four rows
constexpr int MiddleRow = 26;  // of three rows, also the single centre pip
constexpr int UpperGap = 15;   // between the top row and the middle of three rows
constexpr int TenGap = 11;     // between the top row and the second of four rows

struct Pip {
    int x;
    int y;
    bool mirrored;  // also placed point-symmetrically in the lower half, turned
};

std::vector<Pip> PipLayout(int rank) {
    const std::vector<Pip> corners = {{PipLeft, TopRow, true}, {PipRight, TopRow, true}};
    std::vector<Pip> pips;
    auto add = [&](const std::vector<Pip>& more) { pips.insert(pips.end(), more.begin(), more.end()); };
    switch (rank) {
        case 2:
            add({{PipCentre, TopRow, true}});
            break;
        case 3:
            add({{PipCentre, TopRow, true}, {PipCentre, MiddleRow, false}});
            break;
        case 4:
            add(corners);
            break;
        case 5:
            add(corners), add({{PipCentre, MiddleRow, false}});
            break;
        case 6:
            add(corners), add({{PipLeft, MiddleRow, false}, {PipRight, MiddleRow, false}});
            break;
        case 7:
            add(corners), add({{PipLeft, MiddleRow, false}, {PipRight, MiddleRow, false}});
            add({{PipCentre, UpperGap, false}});
            break;
        case 8:
            add(corners), add({{PipLeft, MiddleRow, false}, {PipRight, MiddleRow, false}});
            add({{PipCentre, UpperGap, true}});
            break;
        case 9:
            add(corners), add({{PipLeft, SecondRow, true}, {PipRight, SecondRow, true}});
            add({{PipCentre, MiddleRow, false}});
            break;
        case 10:
            add(corners), add({{PipLeft, SecondRow, true}, {PipRight, SecondRow, true}});
            add({{PipCentre, TenGap, true}});
            break;
        default:
            break;
    }
    return pips;
}

void DrawPips(Canvas& card, int suit, int rank, int ink) {
    const Inks inks = {ink, ink, ink};
    for (const Pip& pip : PipLayout(rank)) {
        card.Art(pip.x, pip.y, Pips[static_cast<std::size_t>(suit)], inks);
        if (pip.mirrored)
            card.Art(CellWidth - PipWidth - pip.x, CellHeight - PipHeight - pip.y,
                     Pips[static_cast<std::size_t>(suit)], inks, true);
    }
}

void DrawAce(Canvas& card, int suit, int ink) {
    // The ace of spades is traditionally the grand one.
    if (suit == Spades) {
        BigSuit(card, suit, 21.5, 30, 10.5, 12, ink);
        card.Ellipse(21.5, 29, 2.5, 3, Red);
        card.Ring(21.5, 29, 3.6, 2.5, White);
    } else {
        BigSuit(card, suit, 21.5, 30, 8, 9.5, ink);
    }
}

// ---------------------------------------------------------------------------------------------
// Court cards: the upper half of a bust in a frame, repeated turned in the lower half.
// Ink '1' is the robe, '2' its trim, '3' the hair.

const Sprite KingArt = {
    "......y...y...y..y...", "......y..yyy..y.yyy..", "......yy.yyy.yy.yyy..", "......yyyyyyyyy..y...",
    "......yrybybyry..y...", ".....3kkkkkkkkk3.y...", ".....3wwwwwwwww3.y...", ".....3wwkwwwkww3.y...",
    ".....3wwwwkwwww3.y...", ".....3w3333333w3.y...", ".....333wrrrw333.y...", ".....33333333333.y...",
    "..111.333333333.1y1..", ".1111w.3333333.w1y11.", "11111ww.33333.ww1y111", "11111wkw.333.wkw1y111",
    "111111www.3.www1wyw11", "1111111wkw.wkw11wyw11", "1111111222y222111y111", "11111112y2y2y2111y111",
    "1111111222y222111y111", "11111112y2y2y2111y111", "1111111222y222111y111", "11111112y2y2y2111y111",
    "1111111222y222111y111", "11111112y2y2y2111y111",
};

const Sprite QueenArt = {
    ".......y.y.y.y.......", ".......yyyyyyy.......", ".......yrybyry.......", "....33kkkkkkkkk33....",
    "....33wwwwwwwww33....", "....33wwkwwwkww33....", "....33wwwwkwwww33....", "....33wwwwwwwww33....",
    "....33wwwrrrwww33....", "....333wwwwwww333....", "....3333wwwww3333....", "...33333.www.33333...",
    "..1333332www2333331..", ".1113332222222333111.", "1111r3r2y222y23311111", "111rrrrr2222223111111",
    "1111rrr2y2y2y21111111", "1111wgw222y2221111111", "11111g12y2y2y21111111", "1111gg1222y2221111111",
    "11111g12y2y2y21111111", "1111111222y2221111111", "11111112y2y2y21111111", "1111111222y2221111111",
    "11111112y2y2y21111111", "1111111222y2221111111",
};

const Sprite JackArt = {
    "........22222..wwss..", "......222222222w.sss.", ".....22222222222.ss..", ".....yyyyyyyyyyy.sa..",
    ".....33333333333..a..", ".....3wwwwwwwww3..a..", ".....3wwkwwwkww3..a..", ".....3wwwwkwwww3..a..",
    ".....3wwwwwwwww3..a..", ".....3wwwrrrwww3..a..", "......3wwwwwww3...a..", "........wwwww.....a..",
    "...111122222221111a..", "..1111122222221111a..", ".111111y2y2y2y1111a1.", ".11111122222221111a1.",
    "11111112y2y2y2111waw1", "11111112222222111waw1", "11111112y2y2y21111a11", "111111122222221111a11",
    "1111111kkkkkkk1111a11", "1111111kyyyyyk1111a11", "1111111kkkkkkk1111a11", "111111122222221111a11",
    "11111112y2y2y21111a11", "111111122222221111a11",
};

struct CourtColours {
    int robe;
    int trim;
};

CourtColours CourtColoursOf(int suit) {
    switch (suit) {
        case Clubs:
            return {Blue, Red};
        case Spades:
            return {Teal, Red};
        case Diamonds:
            return {Red, Blue};
        default:
            return {Red, Green};
    }
}

void DrawCourt(Canvas& card, int suit, int rank, int ink) {
    constexpr QRect frame(10, 3, 23, 54);
    const CourtColours colours = CourtColoursOf(suit);
    const int hair = rank == 13 ? Silver : (rank == 12 ? Yellow : Olive);
    const Sprite& art = rank == 13 ? KingArt : (rank == 12 ? QueenArt : JackArt);

    Canvas half = BlankCell();
    half.Art(frame.left() + 1, frame.top() + 1, art, {colours.robe, colours.trim, hair});
    Canvas sign = BlankCell();
    sign.Art(frame.left() + 1, frame.top() + 1, SmallSuits[static_cast<std::size_t>(suit)], {ink, ink, ink});

    card.ClipTo(frame.adjusted(1, 1, -1, -1));
    card.Stamp(half, Black);
    card.Stamp(half, Black, true);
    card.Stamp(sign);
    card.Stamp(sign, Clear, true);
    card.Unclip();
    card.Frame(frame.left(), frame.top(), frame.width(), frame.height(), Black);
}

Canvas Face(int suit, int rank) {
    Canvas card = CardShape(Black, White);
    const int ink = IsRed(suit) ? Red : Black;
    const Canvas index = IndexLayer(suit, rank, ink);
    card.Stamp(index);
    card.Stamp(index, Clear, true);
    if (rank == 1)
        DrawAce(card, suit, ink);
    else if (rank <= 10)
        DrawPips(card, suit, rank, ink);
    else
        DrawCourt(card, suit, rank, ink);
    return card;
}

// ---------------------------------------------------------------------------------------------
// Backs: a white margin round a picture; the top row of the sheet is blue, the bottom row red.

struct Theme {
    int main;    // the deck colour
    int dark;    // its shade, for night skies and borders
    int accent;  // a contrasting light colour
    bool red;
};

const Theme BlueTheme = {Blue, Navy, Aqua, false};
const Theme RedTheme = {Red, Maroon, Yellow, true};

const QRect Picture(3, 3, 37, 54);

// Small deterministic generator for scattered stars; the sheets must come out identical each run.
class Scatter {
public:
    explicit Scatter(uint32_t seed) : state(seed) {}
    int Next(int bound) {
        state = state * 1103515245u + 12345u;
        return static_cast<int>((state >> 16) % static_cast<uint32_t>(bound));
    }

private:
    uint32_t state;
};

void Stars(Canvas& card, uint32_t seed, int count, const QRect& area, int colour) {
    Scatter scatter(seed);
    for (int i = 0; i < count; ++i) {
        const int x = area.left() + scatter.Next(area.width());
        const int y = area.top() + scatter.Next(area.height());
        card.Plot(x, y, colour);
    }
}

void Twinkle(Canvas& card, int x, int y, int colour) {
    card.Plot(x, y, White);
    card.Plot(x - 1, y, colour);
    card.Plot(x + 1, y, colour);
    card.Plot(x, y - 1, colour);
    card.Plot(x, y + 1, colour);
}

void Ornament(Canvas& card, const Theme& theme) {
    card.Fill(Picture.left(), Picture.top(), Picture.width(), Picture.height(), theme.main);
    // A lattice of white diagonals with a dark dot in every lozenge, centred on the card so that
    // it is the same after turning the card round.
    const int cx = 21, cy = 29;
    for (int y = Picture.top(); y <= Picture.bottom(); ++y) {
        for (int x = Picture.left(); x <= Picture.right(); ++x) {
            const int u = x - cx, v = y - cy;
            const int d1 = ((u + v) % 6 + 6) % 6, d2 = ((u - v) % 6 + 6) % 6;
            if (d1 == 0 || d2 == 0)
                card.Plot(x, y, White);
            else if (d1 == 3 && d2 == 3)
                card.Plot(x, y, theme.dark);
        }
    }
    card.Frame(Picture.left() + 2, Picture.top() + 2, Picture.width() - 4, Picture.height() - 4, theme.dark);
    card.Frame(Picture.left() + 3, Picture.top() + 3, Picture.width() - 6, Picture.height() - 6, White);
    // A medallion in the middle.
    card.Ellipse(21.5, 30, 9, 11, White);
    card.Ellipse(21.5, 30, 8, 10, theme.dark);
    card.Ellipse(21.5, 30, 6, 8, theme.main);
    card.Shape(theme.accent,
               [](double x, double y) { return std::abs(x - 21.5) / 4 + std::abs(y - 30) / 6 <= 1; });
    card.Shape(White, [](double x, double y) { return std::abs(x - 21.5) / 2 + std::abs(y - 30) / 3 <= 1; });
}

void Knight(Canvas& card, const Theme& theme) {
    card.Fill(Picture.left(), Picture.top(), Picture.width(), Picture.height(), theme.dark);
    // A chequered floor for the piece to stand on.
    for (int y = 44; y <= Picture.bottom(); ++y)
        for (int x = Picture.left(); x <= Picture.right(); ++x)
            card.Plot(x, y, ((x - 3) / 5 + (y - 44) / 5) % 2 == 0 ? theme.main : theme.dark);
    Canvas piece = BlankCell();
    // Facing left, head lowered a little, on a round base.
    piece.Polygon(
        {{22, 9},  {24, 7},  {25, 11}, {28, 13}, {31, 18}, {32, 24}, {31, 30}, {29, 35}, {30, 38}, {13, 38},
         {14, 33}, {17, 28}, {19, 25}, {17, 23}, {13, 26}, {10, 26}, {9, 24},  {10, 21}, {15, 15}, {18, 12}},
        White);
    piece.Fill(11, 38, 21, 3, White);
    piece.Fill(9, 41, 25, 4, White);
    card.Stamp(piece, Black);
    // The mane, the eye, the nostril and the rim of the base.
    card.Line(25, 13, 30, 20, Silver);
    card.Line(26, 12, 31, 19, Silver);
    card.Line(30, 21, 31, 27, Silver);
    card.Plot(19, 16, Black);
    card.Plot(20, 16, Black);
    card.Plot(11, 23, Black);
    card.Fill(11, 41, 21, 1, Silver);
    card.Fill(12, 38, 19, 1, Silver);
}

void StarrySky(Canvas& card, const Theme& theme) {
    card.Fill(Picture.left(), Picture.top(), Picture.width(), Picture.height(), theme.dark);
    Stars(card, 7, 36, Picture, White);
    Stars(card, 11, 18, Picture, theme.red ? Yellow : Silver);
    // A crescent moon and a few bright stars.
    card.Ellipse(14, 14, 6, 6, Yellow);
    card.Ellipse(17, 12, 5.5, 5.5, theme.dark);
    Twinkle(card, 30, 10, theme.accent);
    Twinkle(card, 26, 27, theme.accent);
    Twinkle(card, 10, 35, theme.accent);
    Twinkle(card, 33, 44, theme.accent);
    Twinkle(card, 17, 50, theme.accent);
    // The Plough.
    const std::array<QPoint, 7> plough = {
        {{13, 24}, {17, 25}, {20, 28}, {23, 31}, {28, 31}, {29, 36}, {23, 36}}};
    for (const QPoint& p : plough) card.Plot(p.x(), p.y(), White);
}

void ClownBox(Canvas& card, const Theme& theme) {
    card.Fill(Picture.left(), Picture.top(), Picture.width(), Picture.height(), theme.main);
    // Faint diagonal stripes of wallpaper behind.
    for (int y = Picture.top(); y <= Picture.bottom(); ++y)
        for (int x = Picture.left(); x <= Picture.right(); ++x)
            if ((x + y) % 8 == 0) card.Plot(x, y, theme.dark);

    Canvas toy = BlankCell();
    // The box with its lid flung open to the left.
    toy.Fill(9, 40, 25, 15, Yellow);
    toy.Fill(9, 40, 25, 2, Olive);
    toy.Polygon({{9, 39}, {3.5, 31}, {5.5, 29.5}, {11, 38}}, Olive);
    // The spring.
    for (int i = 0; i < 4; ++i) {
        toy.Line(17, 39 - 2 * i, 26, 38 - 2 * i, Silver);
    }
    // Ruff, face, nose, hat.
    toy.Polygon({{12, 31}, {31, 31}, {29, 34}, {14, 34}}, White);
    toy.Ellipse(21.5, 23.5, 7, 7, White);
    toy.Ellipse(14.5, 21, 2.5, 3.5, theme.red ? Lime : Red);
    toy.Ellipse(28.5, 21, 2.5, 3.5, theme.red ? Lime : Red);
    toy.Polygon({{15, 18}, {28, 18}, {23, 4}, {20, 4}}, theme.red ? Blue : Fuchsia);
    toy.Ellipse(21.5, 5, 2.5, 2.5, Yellow);
    card.Stamp(toy, Black);
    // Details drawn inside the outlines.
    card.Fill(15, 17, 13, 1, Black);
    for (int x = 17; x <= 25; x += 4) card.Plot(x, 12, Yellow), card.Plot(x + 1, 9, Yellow);
    card.Plot(18, 22, Black), card.Plot(25, 22, Black);
    card.Plot(18, 21, Black), card.Plot(25, 21, Black);
    card.Ellipse(21.5, 25, 1.6, 1.6, Red);
    card.Line(18, 27, 19, 28, Red), card.Line(20, 28, 23, 28, Red), card.Line(24, 28, 25, 27, Red);
    for (int x = 14; x <= 29; x += 3) card.Plot(x, 32, Silver);
    card.Fill(9, 42, 25, 1, Black);
    card.Shape(theme.main,
               [](double x, double y) { return std::abs(x - 21.5) / 5 + std::abs(y - 48.5) / 5 <= 1; });
    card.Shape(theme.red ? Yellow : White,
               [](double x, double y) { return std::abs(x - 21.5) / 2 + std::abs(y - 48.5) / 2 <= 1; });
}

void RainbowNight(Canvas& card, const Theme& theme) {
    card.Fill(Picture.left(), Picture.top(), Picture.width(), Picture.height(), theme.dark);
    Stars(card, 23, 24, QRect(3, 3, 37, 14), White);
    Stars(card, 29, 14, QRect(3, 3, 37, 50), Silver);
    const std::array<int, 6> bands = {Red, Yellow, Lime, Aqua, Blue, Fuchsia};
    const double cx = 21.5, cy = 43;
    for (int i = 0; i < 6; ++i) {
        card.Shape(bands[static_cast<std::size_t>(i)], [&](double x, double y) {
            const double d = std::hypot(x - cx, y - cy);
            return y <= cy && d <= 18 - 2 * i && d > 16 - 2 * i;
        });
    }
    // The cloud hides the feet of the bow.
    Canvas cloud = BlankCell();
    cloud.Ellipse(9.5, 45, 6, 5, White);
    cloud.Ellipse(21.5, 42, 8, 7, White);
    cloud.Ellipse(33.5, 45, 6, 5, White);
    cloud.Ellipse(21.5, 49, 16, 3.5, Silver);
    cloud.Fill(6, 45, 31, 4, White);
    card.Stamp(cloud, Black);
    // The crescent moon.
    card.Ellipse(33, 9, 3.5, 3.5, Yellow);
    card.Ellipse(34.5, 8, 3, 3, theme.dark);
}

void Burst(Canvas& card, int cx, int cy, int radius, int colour, int core) {
    for (int i = 0; i < 12; ++i) {
        const double angle = i * 3.14159265358979 / 6;
        const int x = cx + static_cast<int>(std::lround(radius * std::cos(angle)));
        const int y = cy + static_cast<int>(std::lround(radius * std::sin(angle)));
        const int mx = cx + static_cast<int>(std::lround(radius * 0.55 * std::cos(angle)));
        const int my = cy + static_cast<int>(std::lround(radius * 0.55 * std::sin(angle)));
        card.Line(mx, my, x, y, colour);
        card.Plot(cx + static_cast<int>(std::lround((radius + 2) * std::cos(angle))),
                  cy + static_cast<int>(std::lround((radius + 2) * std::sin(angle))), core);
    }
    card.Plot(cx, cy, core);
}

void Fireworks(Canvas& card, const Theme& theme) {
    card.Fill(Picture.left(), Picture.top(), Picture.width(), Picture.height(), theme.dark);
    Stars(card, 41, 16, Picture, Gray);
    Burst(card, 14, 14, 8, Yellow, White);
    Burst(card, 30, 24, 7, theme.red ? Lime : Fuchsia, White);
    Burst(card, 15, 36, 6, Aqua, White);
    Burst(card, 30, 10, 4, theme.red ? Fuchsia : Red, Yellow);
    // Trails of the rockets still on their way up, and the dark town below.
    card.Line(30, 52, 30, 34, Gray);
    card.Plot(30, 33, Yellow);
    card.Line(15, 52, 15, 45, Gray);
    card.Plot(15, 44, Yellow);
    card.Fill(3, 52, 37, 5, Black);
    card.Fill(6, 49, 5, 3, Black);
    card.Fill(13, 50, 4, 2, Black);
    card.Fill(21, 47, 3, 5, Black);
    card.Fill(26, 50, 8, 2, Black);
    card.Fill(35, 48, 4, 4, Black);
    for (int x = 7; x <= 37; x += 5) card.Plot(x, 54, Yellow);
}

void PalmBeach(Canvas& card, const Theme& theme) {
    const bool sunset = theme.red;
    const int sky = sunset ? Red : Aqua;
    const int sea = sunset ? Maroon : Blue;
    const int sand = sunset ? Olive : Yellow;
    card.Fill(Picture.left(), Picture.top(), Picture.width(), Picture.height(), sky);
    if (sunset) {
        // The evening sky darkens upwards in dithered bands.
        for (int y = Picture.top(); y < 16; ++y)
            for (int x = Picture.left(); x <= Picture.right(); ++x)
                if (y < 10 || (x + y) % 2 == 0) card.Plot(x, y, y < 8 && (x + y) % 2 == 0 ? Purple : Maroon);
        card.Ellipse(21.5, 36, 7, 7, Yellow);
    } else {
        card.Ellipse(31, 10, 4, 4, Yellow);
        card.Ellipse(12, 14, 4, 2, White);
        card.Ellipse(16, 13, 3.5, 2.5, White);
    }
    card.Fill(3, 36, 37, 9, sea);
    for (int y = 38; y < 45; y += 2)
        for (int x = 5 + (y % 4); x < 39; x += 6)
            card.Plot(x, y, sunset ? Yellow : Aqua), card.Plot(x + 1, y, sunset ? Yellow : Aqua);
    card.Shape(sand, [](double x, double y) { return y > 45 || (y > 42 && x < 18 - (y - 42) * -3); });
    // The palm: a leaning trunk and a crown of fronds.
    const int trunk = sunset ? Black : Olive;
    const int fronds = sunset ? Black : Green;
    for (int y = 17; y <= 53; ++y) {
        const int x = 11 + (53 - y) * (53 - y) / 130;
        card.Fill(x, y, 3, 1, trunk);
        if (!sunset && y % 3 == 0) card.Plot(x + 1, y, Black);
    }
    Canvas crown = BlankCell();
    crown.Polygon({{20, 16}, {30, 18}, {36, 24}, {29, 20}, {20, 18}}, fronds);
    crown.Polygon({{20, 16}, {27, 10}, {35, 11}, {27, 12}, {20, 18}}, fronds);
    crown.Polygon({{20, 16}, {12, 9}, {5, 12}, {13, 11}, {20, 18}}, fronds);
    crown.Polygon({{20, 16}, {11, 17}, {6, 24}, {12, 19}, {20, 18}}, fronds);
    crown.Polygon({{20, 16}, {19, 7}, {23, 4}, {21, 9}, {21, 17}}, fronds);
    if (!sunset) {
        crown.Ellipse(19, 19, 1.5, 1.5, Olive);
        crown.Ellipse(22, 19, 1.5, 1.5, Olive);
    }
    card.Stamp(crown, sunset ? Clear : Black);
}

Canvas Back(int design) {
    Canvas card = CardShape(Black, White);
    const Theme& theme = design < 7 ? BlueTheme : RedTheme;
    card.ClipTo(Picture);
    switch (design % 7) {
        case 0:
            Ornament(card, theme);
            break;
        case 1:
            Knight(card, theme);
            break;
        case 2:
            StarrySky(card, theme);
            break;
        case 3:
            ClownBox(card, theme);
            break;
        case 4:
            RainbowNight(card, theme);
            break;
        case 5:
            Fireworks(card, theme);
            break;
        default:
            PalmBeach(card, theme);
            break;
    }
    card.Unclip();
    card.Frame(Picture.left(), Picture.top(), Picture.width(), Picture.height(), theme.main);
    return card;
}

// ---------------------------------------------------------------------------------------------
// Place markers

void UTurn(Canvas& card) {
    // Up the right side, over the top and down the left side into the head.
    Canvas arrow = BlankCell();
    arrow.Shape(Red, [](double x, double y) {
        const double d = std::hypot(x - 21.5, y - 22);
        return (y < 22 && d <= 8.5 && d > 4.5) || (x > 26 && x < 30 && y >= 22 && y < 42) ||
               (x > 13 && x < 17 && y >= 22 && y < 28);
    });
    arrow.Polygon({{9, 28}, {21, 28}, {15, 36}}, Red);
    card.Stamp(arrow, Maroon);
}

Canvas Marker(int marker) {
    if (marker == 3) return CardShape(Green, Green);
    Canvas card = CardShape(White, marker >= 8 ? Yellow : Olive);
    if (marker == 0) {
        card.Ring(21.5, 30, 13, 9.5, Yellow);
    } else if (marker == 1) {
        UTurn(card);
    } else if (marker >= 4) {
        const int suit = (marker - 4) % 4;
        BigSuit(card, suit, 21.5, 30, 11, 12.5, IsRed(suit) ? Red : Black);
    }
    return card;
}

// ---------------------------------------------------------------------------------------------
// Sheets

QImage NewSheet(int columns, int rows) {
    QImage sheet(columns * CellWidth, rows * CellHeight, QImage::Format_Indexed8);
    sheet.setColorTable(Palette);
    sheet.fill(Black);
    return sheet;
}

QImage MaskSheet() {
    QImage sheet = NewSheet(1, 1);
    for (int y = 0; y < CellHeight; ++y)
        for (int x = 0; x < CellWidth; ++x) sheet.setPixel(x, y, IsCorner(x, y) ? White : Black);
    return sheet;
}

QImage CardsSheet() {
    QImage sheet = NewSheet(13, 4);
    for (int suit = 0; suit < 4; ++suit)
        for (int rank = 1; rank <= 13; ++rank)
            Face(suit, rank).CopyInto(sheet, (rank - 1) * CellWidth, suit * CellHeight);
    return sheet;
}

QImage DecksSheet() {
    QImage sheet = NewSheet(7, 2);
    for (int design = 0; design < 14; ++design)
        Back(design).CopyInto(sheet, design % 7 * CellWidth, design / 7 * CellHeight);
    return sheet;
}

QImage CellarSheet() {
    QImage sheet = NewSheet(12, 1);
    for (int marker = 0; marker < 12; ++marker) Marker(marker).CopyInto(sheet, marker * CellWidth, 0);
    return sheet;
}

// ---------------------------------------------------------------------------------------------
// Checks of the fixed facts: sizes, palette, the mask and the black corners of every cell.

struct SheetFacts {
    const char* name;
    int columns;
    int rows;
    bool outlined;  // faces and backs carry the black rounded outline
};

constexpr std::array<SheetFacts, 4> Sheets = {{
    {"mask", 1, 1, false},
    {"cards", 13, 4, true},
    {"decks", 7, 2, true},
    {"cellar", 12, 1, false},
}};

int Check(const QString& folder) {
    int faults = 0;
    auto fault = [&](const SheetFacts& facts, const QString& what) {
        std::fprintf(stderr, "%s: %s\n", facts.name, qPrintable(what));
        ++faults;
    };
    for (const SheetFacts& facts : Sheets) {
        const QImage sheet(QDir(folder).filePath(QStringLiteral("%1.png").arg(QLatin1String(facts.name))));
        if (sheet.isNull()) {
            fault(facts, QStringLiteral("cannot be read"));
            continue;
        }
        if (sheet.width() != facts.columns * CellWidth || sheet.height() != facts.rows * CellHeight) {
            fault(facts, QStringLiteral("is %1 x %2").arg(sheet.width()).arg(sheet.height()));
            continue;
        }
        if (sheet.format() != QImage::Format_Indexed8 || sheet.colorTable() != Palette)
            fault(facts, QStringLiteral("is not indexed with the 16-colour palette"));
        const QImage rgb = sheet.convertToFormat(QImage::Format_RGB32);
        for (int row = 0; row < facts.rows; ++row) {
            for (int column = 0; column < facts.columns; ++column) {
                for (int y = 0; y < CellHeight; ++y) {
                    for (int x = 0; x < CellWidth; ++x) {
                        const QRgb pixel =
                            rgb.pixel(column * CellWidth + x, row * CellHeight + y) & 0xFFFFFFu;
                        const QString where =
                            QStringLiteral("cell %1,%2 pixel %3,%4").arg(column).arg(row).arg(x).arg(y);
                        if (facts.columns == 1 && facts.rows == 1) {
                            if (pixel != (IsCorner(x, y) ? 0xFFFFFFu : 0u))
                                fault(facts, where + QStringLiteral(" is wrong"));
                        } else if (IsCorner(x, y) && pixel != 0u) {
                            fault(facts, where + QStringLiteral(" is not black"));
                        } else if (facts.outlined && IsEdge(x, y) && pixel != 0u) {
                            fault(facts, where + QStringLiteral(" breaks the outline"));
                        }
                    }
                }
            }
        }
    }
    return faults;
}

bool Write(const QImage& sheet, const QString& folder, const char* name) {
    const QString path = QDir(folder).filePath(QStringLiteral("%1.png").arg(QLatin1String(name)));
    if (sheet.save(path, "PNG")) return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    const bool checkOnly = !arguments.isEmpty() && arguments.first() == QStringLiteral("--check");
    if (checkOnly) arguments.removeFirst();
    if (arguments.size() != 1) {
        std::fprintf(stderr, "usage: make_card_sheets [--check] <folder>\n");
        return 2;
    }
    const QString folder = arguments.first();

    if (!checkOnly) {
        if (!QDir().mkpath(folder)) {
            std::fprintf(stderr, "cannot create %s\n", qPrintable(folder));
            return 1;
        }
        const bool written = Write(MaskSheet(), folder, "mask") && Write(CardsSheet(), folder, "cards") &&
                             Write(DecksSheet(), folder, "decks") && Write(CellarSheet(), folder, "cellar");
        if (!written) return 1;
    }
    const int faults = Check(folder);
    if (faults > 0) {
        std::fprintf(stderr, "%d faults\n", faults);
        return 1;
    }
    std::printf("card sheets in %s are sound\n", qPrintable(folder));
    return 0;
}
