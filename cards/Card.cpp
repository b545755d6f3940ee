#include "cards/Card.h"

#include <algorithm>

#include "cards/CardSheets.h"
#include "platform/Surface.h"

Card::Card(int suitValue, int rankValue, int backValue)
    : suit(std::clamp(suitValue, 0, 3)),
      rank(std::clamp(rankValue, 1, 13)),
      back(std::clamp(backValue, 0, 13)),
      background(CardSheets::Mask()) {}

Card::~Card() = default;

void Card::SaveBackground(Surface* surface, int x, int y) {
    if (surface == nullptr) return;
    if (const std::optional<std::uint32_t> colour = surface->UniformIn({x, y, CardWidth, CardHeight})) {
        backgroundColour = colour;
        background = QImage();
        return;
    }
    if (backgroundColour) {
        // What lies off the surface keeps the colour saved last, as the pixels would have.
        background = QImage(CardWidth, CardHeight, QImage::Format_RGB32);
        background.fill(PixelFromColorRef(*backgroundColour));
        backgroundColour.reset();
    }
    surface->CopyTo(background, 0, 0, x, y, CardWidth, CardHeight);
}

void Card::Draw(Surface* surface, int x, int y, bool faceDown) const {
    if (surface == nullptr) return;
    QImage scratch(CardWidth, CardHeight, QImage::Format_RGB32);
    surface->CopyTo(scratch, 0, 0, x, y, CardWidth, CardHeight);
    BlitImage(scratch, 0, 0, CardSheets::Mask(), 0, 0, CardWidth, CardHeight, RasterOp::And);
    if (faceDown) {
        BlitImage(scratch, 0, 0, CardSheets::Decks(), (back % 7) * CardWidth, (back / 7) * CardHeight,
                  CardWidth, CardHeight, RasterOp::Or);
    } else {
        BlitImage(scratch, 0, 0, CardSheets::Cards(), (rank - 1) * CardWidth, suit * CardHeight, CardWidth,
                  CardHeight, RasterOp::Or);
    }
    surface->Blit(x, y, scratch, 0, 0, CardWidth, CardHeight, RasterOp::Copy);
}

void Card::RestoreBackground(Surface* surface, int x, int y) {
    if (surface == nullptr) return;
    if (backgroundColour) {
        surface->FillRect({x, y, CardWidth, CardHeight}, *backgroundColour);
        return;
    }
    surface->Blit(x, y, background, 0, 0, CardWidth, CardHeight, RasterOp::Copy);
}
