#include "cards/CardSheets.h"

#include <QtGlobal>
#include <algorithm>

#include "platform/EmbeddedImage.h"
#include "platform/Surface.h"

namespace {

struct Sheet {
    const char* name;
    int width;
    int height;
    QImage image;
};

Sheet sheets[] = {
    {"mask", CardWidth, CardHeight, {}},
    {"cards", 13 * CardWidth, 4 * CardHeight, {}},
    {"decks", 7 * CardWidth, 2 * CardHeight, {}},
    {"cellar", 12 * CardWidth, CardHeight, {}},
};
bool loaded = false;

QImage Fallback(const Sheet& sheet) {
    // The mask stays all-opaque and the cells plain grey, which keeps every card readable as a shape.
    QImage image(sheet.width, sheet.height, QImage::Format_RGB32);
    image.fill(sheet.width == CardWidth ? qRgb(0, 0, 0) : qRgb(192, 192, 192));
    return image;
}

const QImage& Get(int index) {
    if (!loaded) CardSheets::Load();
    return sheets[index].image;
}

}  // namespace

bool CardSheets::Load() {
    bool all = true;
    for (Sheet& sheet : sheets) {
        QImage image = ReadEmbeddedImage(QStringLiteral(":/sheets/%1.png").arg(QLatin1String(sheet.name)));
        if (image.width() != sheet.width || image.height() != sheet.height) {
            qWarning("Card sheet \"%s\" is missing or has the wrong size; drawing plain cards instead.",
                     sheet.name);
            image = Fallback(sheet);
            all = false;
        }
        // A palette sheet is drawn from as it is, at a quarter of its 32-bit size. The mask stays
        // 32-bit: it is also each card's first background, which the table's pixels are copied into.
        const bool keepPalette = image.format() == QImage::Format_Indexed8 && &sheet != &sheets[0];
        sheet.image = keepPalette ? image : image.convertToFormat(QImage::Format_RGB32);
    }
    loaded = true;
    return all;
}

void CardSheets::Release() {
    for (Sheet& sheet : sheets) sheet.image = QImage();
    loaded = false;
}

bool CardSheets::Loaded() {
    return loaded;
}

const QImage& CardSheets::Mask() {
    return Get(0);
}
const QImage& CardSheets::Cards() {
    return Get(1);
}
const QImage& CardSheets::Decks() {
    return Get(2);
}
const QImage& CardSheets::Cellar() {
    return Get(3);
}

void DrawPlaceMarker(Surface* surface, int x, int y, int marker) {
    if (surface == nullptr || marker == 12) return;
    marker = std::clamp(marker, 0, 11);
    Surface::Batch batch(*surface);
    surface->Blit(x, y, CardSheets::Mask(), 0, 0, CardWidth, CardHeight, RasterOp::And);
    surface->Blit(x, y, CardSheets::Cellar(), marker * CardWidth, 0, CardWidth, CardHeight, RasterOp::Or);
}
