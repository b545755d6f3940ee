#include <gtest/gtest.h>

#include <QDirIterator>
#include <QImage>
#include <QImageReader>
#include <cstdint>
#include <vector>

#include "CardTestSupport.h"
#include "cards/Card.h"
#include "cards/CardSheets.h"
#include "platform/EmbeddedImage.h"

namespace {

using cardtest::FlushLog;
using cardtest::IsCornerPixel;
using cardtest::MismatchesOfCell;
using cardtest::PatternSurface;

bool IsBlack(QRgb pixel) {
    return (pixel & 0xFFFFFFu) == 0;
}

bool IsWhite(QRgb pixel) {
    return (pixel & 0xFFFFFFu) == 0xFFFFFFu;
}

TEST(CardTest, ConstructorClampsEveryField) {
    const Card low(-1, 0, -5);
    EXPECT_EQ(low.Suit(), 0);
    EXPECT_EQ(low.Rank(), 1);
    EXPECT_EQ(low.Back(), 0);
    const Card high(9, 20, 99);
    EXPECT_EQ(high.Suit(), 3);
    EXPECT_EQ(high.Rank(), 13);
    EXPECT_EQ(high.Back(), 13);
    const Card inRange(2, 11, 7);
    EXPECT_EQ(inRange.Suit(), 2);
    EXPECT_EQ(inRange.Rank(), 11);
    EXPECT_EQ(inRange.Back(), 7);
}

TEST(CardSheetsTest, SheetsHaveTheirLayoutSizesEvenWhenMissing) {
    EXPECT_EQ(CardSheets::Mask().size(), QSize(43, 60));
    EXPECT_EQ(CardSheets::Cards().size(), QSize(559, 240));
    EXPECT_EQ(CardSheets::Decks().size(), QSize(301, 120));
    EXPECT_EQ(CardSheets::Cellar().size(), QSize(516, 60));
    EXPECT_EQ(CardSheets::Mask().format(), QImage::Format_RGB32);
    for (const QImage* sheet : {&CardSheets::Cards(), &CardSheets::Decks(), &CardSheets::Cellar()}) {
        EXPECT_TRUE(sheet->format() == QImage::Format_Indexed8 || sheet->format() == QImage::Format_RGB32);
    }
}

// The program reads its pictures from the pack the build makes of them, not from the PNG files.
TEST(EmbeddedImageTest, EveryPictureIsPackedExactlyAsItsPngReads) {
    int pictures = 0;
    for (const char* folder : {":/sheets", ":/ui", ":/dialogs"}) {
        QDirIterator it(QString::fromLatin1(folder), {QStringLiteral("*.png")}, QDir::Files);
        while (it.hasNext()) {
            const QString path = it.next();
            SCOPED_TRACE(path.toStdString());
            QImageReader reader(path, "png");
            const QImage png = reader.read();
            ASSERT_FALSE(png.isNull());
            const QImage packed = ReadPackedImage(path);
            EXPECT_EQ(packed, png);
            EXPECT_EQ(packed.colorTable(), png.colorTable());
            ++pictures;
        }
    }
    EXPECT_GE(pictures, 38);
    EXPECT_TRUE(ReadPackedImage(QStringLiteral(":/ui/no_such_picture.png")).isNull());
}

TEST(CardSheetsTest, ReleaseDropsTheSheetsAndTheNextUseReloads) {
    CardSheets::Release();
    EXPECT_FALSE(CardSheets::Loaded());
    EXPECT_EQ(CardSheets::Cellar().size(), QSize(516, 60));
    EXPECT_TRUE(CardSheets::Loaded());
    EXPECT_EQ(CardSheets::Mask().size(), QSize(43, 60));
}

TEST(CardSheetsTest, ArtworkCutsExactlyTheTwelveCornerPixels) {
    ASSERT_TRUE(CardSheets::Load()) << "the card artwork is built into every program; it must load";
    int white = 0;
    for (int cy = 0; cy < CardHeight; ++cy) {
        for (int cx = 0; cx < CardWidth; ++cx) {
            const QRgb mask = CardSheets::Mask().pixel(cx, cy);
            if (IsCornerPixel(cx, cy)) {
                EXPECT_TRUE(IsWhite(mask)) << cx << "," << cy;
                ++white;
            } else {
                EXPECT_TRUE(IsBlack(mask)) << cx << "," << cy;
            }
        }
    }
    EXPECT_EQ(white, 12);

    // Every cell is black at the corners, so OR-ing it over a masked background keeps the background.
    for (const QImage* sheet : {&CardSheets::Cards(), &CardSheets::Decks(), &CardSheets::Cellar()}) {
        for (int cellY = 0; cellY < sheet->height(); cellY += CardHeight) {
            for (int cellX = 0; cellX < sheet->width(); cellX += CardWidth) {
                for (int cy = 0; cy < CardHeight; ++cy) {
                    for (int cx = 0; cx < CardWidth; ++cx) {
                        if (!IsCornerPixel(cx, cy)) continue;
                        EXPECT_TRUE(IsBlack(sheet->pixel(cellX + cx, cellY + cy)))
                            << "cell " << cellX << "," << cellY << " pixel " << cx << "," << cy;
                    }
                }
            }
        }
    }
}

TEST(CardSheetsTest, ArtworkCellsAreAllDifferent) {
    ASSERT_TRUE(CardSheets::Load()) << "the card artwork is built into every program; it must load";
    // Otherwise a card drawn from the wrong cell could not be told from the right one.
    struct SheetCells {
        const QImage* sheet;
        int columns;
        int rows;
    };
    for (const SheetCells& s :
         {SheetCells{&CardSheets::Cards(), 13, 4}, SheetCells{&CardSheets::Decks(), 7, 2},
          SheetCells{&CardSheets::Cellar(), 12, 1}}) {
        std::vector<QImage> cells;
        for (int row = 0; row < s.rows; ++row) {
            for (int column = 0; column < s.columns; ++column) {
                cells.push_back(s.sheet->copy(column * CardWidth, row * CardHeight, CardWidth, CardHeight));
            }
        }
        for (std::size_t i = 0; i < cells.size(); ++i) {
            for (std::size_t j = i + 1; j < cells.size(); ++j)
                EXPECT_NE(cells[i], cells[j]) << i << " and " << j;
        }
    }
}

struct CellCase {
    int suit;
    int rank;
    int back;
    bool faceDown;
    int cellX;
    int cellY;
};

TEST(CardTest, DrawComposesTheRightCellThroughTheMask) {
    const CellCase cases[] = {
        {3, 13, 0, false, 516, 180},  // king of hearts
        {0, 1, 0, false, 0, 0},       // ace of clubs
        {2, 6, 0, false, 215, 120},   // diamonds 6
        {1, 11, 0, false, 430, 60},   // jack of spades
        {0, 1, 7, true, 0, 60},      {0, 1, 13, true, 258, 60},
        {3, 13, 0, true, 0, 0},      {3, 13, 6, true, 258, 0},
    };
    for (const CellCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "suit " << c.suit << " rank " << c.rank << " back " << c.back
                                        << " faceDown " << c.faceDown);
        Surface surface = PatternSurface(120, 100);
        const QImage before = surface.Image();
        FlushLog log(surface);
        const Card card(c.suit, c.rank, c.back);
        card.Draw(&surface, 37, 21, c.faceDown);
        const QImage& sheet = c.faceDown ? CardSheets::Decks() : CardSheets::Cards();
        EXPECT_EQ(MismatchesOfCell(before, surface.Image(), 37, 21, sheet, c.cellX, c.cellY), 0);
        // Composed off the surface: the surface changes once.
        ASSERT_EQ(log.rects.size(), 1u);
        EXPECT_EQ(log.rects[0], QRect(37, 21, CardWidth, CardHeight));
    }
}

TEST(CardTest, DrawingTwiceEqualsDrawingOnce) {
    Surface surface = PatternSurface(100, 80);
    const Card card(1, 5, 3);
    card.Draw(&surface, 10, 10, false);
    const QImage once = surface.Image();
    card.Draw(&surface, 10, 10, false);
    EXPECT_EQ(surface.Image(), once);
    card.Draw(&surface, 10, 10, true);
    const QImage back = surface.Image();
    card.Draw(&surface, 10, 10, true);
    EXPECT_EQ(surface.Image(), back);
}

TEST(CardTest, SaveDrawRestoreLeavesTheSurfaceAsItWas) {
    // A patterned table, and a plain one both before and after its pixels are made.
    enum class Table { Patterned, Plain, PlainWithPixels };
    constexpr std::uint32_t plainColour = 0x00336699;
    for (const Table table : {Table::Patterned, Table::Plain, Table::PlainWithPixels}) {
        for (bool faceDown : {false, true}) {
            SCOPED_TRACE(testing::Message()
                         << "table " << static_cast<int>(table) << ", faceDown " << faceDown);
            Surface surface =
                table == Table::Patterned ? PatternSurface(150, 120) : Surface(150, 120, plainColour);
            QImage before(150, 120, QImage::Format_RGB32);
            before.fill(PixelFromColorRef(plainColour));
            if (table != Table::Plain) before = surface.Image();
            FlushLog log(surface);
            Card card(2, 12, 9);
            card.SaveBackground(&surface, 50, 40);
            EXPECT_TRUE(log.rects.empty()) << "saving must not touch the surface";
            card.Draw(&surface, 50, 40, faceDown);
            EXPECT_NE(surface.Image(), before);
            card.RestoreBackground(&surface, 50, 40);
            EXPECT_EQ(surface.Image(), before);
            ASSERT_EQ(log.rects.size(), 2u);
            EXPECT_EQ(log.rects[1], QRect(50, 40, CardWidth, CardHeight));
        }
    }
}

TEST(CardTest, BackgroundStartsAsTheMaskAndTravelsToAnyPlace) {
    Surface surface = PatternSurface(150, 120);
    Card card(0, 1, 0);
    card.RestoreBackground(&surface, 0, 0);
    EXPECT_EQ(surface.Image().copy(0, 0, CardWidth, CardHeight), CardSheets::Mask());

    // A saved background is put back wherever it is restored.
    const QImage before = surface.Image();
    card.SaveBackground(&surface, 100, 60);
    card.RestoreBackground(&surface, 10, 10);
    EXPECT_EQ(surface.Image().copy(10, 10, CardWidth, CardHeight),
              before.copy(100, 60, CardWidth, CardHeight));

    // So is one saved from a single colour, and pixels saved after it replace it.
    surface.FillRect({100, 60, CardWidth, CardHeight}, 0x00224466);
    card.SaveBackground(&surface, 100, 60);
    card.RestoreBackground(&surface, 20, 20);
    EXPECT_EQ(surface.Image().copy(20, 20, CardWidth, CardHeight),
              surface.Image().copy(100, 60, CardWidth, CardHeight));
    card.SaveBackground(&surface, 0, 0);
    const QImage patterned = surface.Image().copy(0, 0, CardWidth, CardHeight);
    card.RestoreBackground(&surface, 100, 60);
    EXPECT_EQ(surface.Image().copy(100, 60, CardWidth, CardHeight), patterned);
}

TEST(CardTest, NullSurfaceChangesNothing) {
    Surface surface = PatternSurface(100, 80);
    const QImage before = surface.Image();
    Card card(3, 7, 2);
    card.SaveBackground(&surface, 20, 10);
    card.SaveBackground(nullptr, 20, 10);
    card.Draw(nullptr, 20, 10, false);
    card.RestoreBackground(nullptr, 20, 10);
    DrawPlaceMarker(nullptr, 20, 10, 0);
    EXPECT_EQ(surface.Image(), before);

    // The background saved from the surface survived the null save.
    card.Draw(&surface, 20, 10, false);
    card.RestoreBackground(&surface, 20, 10);
    EXPECT_EQ(surface.Image(), before);
}

TEST(CardTest, DrawingAcrossTheEdgeIsClipped) {
    struct Place {
        int x;
        int y;
    };
    const Place places[] = {{-20, -30}, {90, 50}, {-42, 0}, {0, 79}, {-10, 40}};
    for (const Place& place : places) {
        SCOPED_TRACE(testing::Message() << "at " << place.x << "," << place.y);
        Surface surface = PatternSurface(100, 80);
        const QImage before = surface.Image();
        FlushLog log(surface);
        Card card(3, 13, 0);
        card.SaveBackground(&surface, place.x, place.y);
        card.Draw(&surface, place.x, place.y, false);
        EXPECT_EQ(MismatchesOfCell(before, surface.Image(), place.x, place.y, CardSheets::Cards(), 516, 180),
                  0);
        ASSERT_EQ(log.rects.size(), 1u);
        EXPECT_EQ(log.rects[0], QRect(place.x, place.y, CardWidth, CardHeight) & QRect(0, 0, 100, 80));
        card.RestoreBackground(&surface, place.x, place.y);
        EXPECT_EQ(surface.Image(), before);
    }
}

TEST(CardTest, DrawingWhollyOffTheSurfaceDoesNothing) {
    Surface surface = PatternSurface(100, 80);
    const QImage before = surface.Image();
    FlushLog log(surface);
    Card card(1, 1, 1);
    for (const QPoint at :
         {QPoint(100, 0), QPoint(0, 80), QPoint(-43, 0), QPoint(0, -60), QPoint(-5000, 9000)}) {
        card.SaveBackground(&surface, at.x(), at.y());
        card.Draw(&surface, at.x(), at.y(), false);
        card.RestoreBackground(&surface, at.x(), at.y());
        DrawPlaceMarker(&surface, at.x(), at.y(), 0);
    }
    EXPECT_EQ(surface.Image(), before);
    EXPECT_TRUE(log.rects.empty());
}

TEST(PlaceMarkerTest, MarkerTwelveDrawsNothing) {
    Surface surface = PatternSurface(100, 80);
    const QImage before = surface.Image();
    FlushLog log(surface);
    DrawPlaceMarker(&surface, 10, 10, 12);
    EXPECT_EQ(surface.Image(), before);
    EXPECT_TRUE(log.rects.empty());
}

TEST(PlaceMarkerTest, MarkersComeFromTheirCellarCellClamped) {
    struct MarkerCase {
        int marker;
        int cellX;
    };
    const MarkerCase cases[] = {{0, 0}, {3, 129}, {11, 473}, {15, 473}, {13, 473}, {-3, 0}, {-1, 0}};
    for (const MarkerCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "marker " << c.marker);
        Surface surface = PatternSurface(100, 80);
        const QImage before = surface.Image();
        FlushLog log(surface);
        DrawPlaceMarker(&surface, 30, 12, c.marker);
        EXPECT_EQ(MismatchesOfCell(before, surface.Image(), 30, 12, CardSheets::Cellar(), c.cellX, 0), 0);
        ASSERT_EQ(log.rects.size(), 1u);
        EXPECT_EQ(log.rects[0], QRect(30, 12, CardWidth, CardHeight));
    }
}

TEST(PlaceMarkerTest, MarkerAcrossTheEdgeIsClipped) {
    Surface surface = PatternSurface(100, 80);
    const QImage before = surface.Image();
    DrawPlaceMarker(&surface, 80, -25, 0);
    EXPECT_EQ(MismatchesOfCell(before, surface.Image(), 80, -25, CardSheets::Cellar(), 0, 0), 0);
}

}  // namespace
