#include "game/KeyPlay.h"

#include <algorithm>

#include "cards/TableGeometry.h"
#include "game/Board.h"
#include "game/PointerPlay.h"
#include "game/TableDrawing.h"
#include "platform/RasterOp.h"
#include "platform/Surface.h"

namespace {

// The frame lies around a place like a hint frame; the pen reaches two pixels further out.
constexpr int FrameMargin = FrameOffset + 2;
constexpr int FrameWidth = CardWidth + 2 * FrameMargin;
constexpr int FrameHeight = CardHeight + 2 * FrameMargin;

std::vector<QPoint> FramePixels() {
    // Drawn once with the hint frames' own outline operation, so the cursor has their shape.
    Surface shape(FrameWidth, FrameHeight, 0);
    constexpr int near = FrameMargin - FrameOffset;
    shape.RoundRectOutline(near, near, FrameMargin + CardWidth + FrameOffset,
                           FrameMargin + CardHeight + FrameOffset, 6, 6, 3, 0xFFFFFF);
    std::vector<QPoint> pixels;
    for (int y = 0; y < FrameHeight; ++y) {
        for (int x = 0; x < FrameWidth; ++x) {
            if (shape.Pixel(x, y) != PixelFromColorRef(0))
                pixels.emplace_back(x - FrameMargin, y - FrameMargin);
        }
    }
    return pixels;
}

}  // namespace

KeyPlay::KeyPlay(Board& boardRef, TableDrawing& tableDrawing, PointerPlay& pointerRef)
    : board(boardRef), drawing(tableDrawing), pointer(pointerRef) {}

void KeyPlay::Press(Key key) {
    if (key == Key::Back) {
        if (board.Hand() != nullptr) pointer.ReturnCard();
        return;
    }
    if (key == Key::Undo || key == Key::Redo) {
        Replay(key == Key::Undo);
        return;
    }
    if (!shown) {
        ShowCursor();
        if (board.Hand() != nullptr) CarryHeldCard();
        return;
    }
    switch (key) {
        case Key::Left:
            MoveCursor(-1, 0);
            break;
        case Key::Right:
            MoveCursor(1, 0);
            break;
        case Key::Up:
            MoveCursor(0, -1);
            break;
        case Key::Down:
            MoveCursor(0, 1);
            break;
        case Key::Act:
            Act();
            break;
        case Key::Back:
        case Key::Undo:
        case Key::Redo:
            break;
    }
}

void KeyPlay::SetCursorListener(std::function<void(int column, int row)> listener) {
    cursorListener = std::move(listener);
}

void KeyPlay::ShowCursor() {
    if (shown) return;
    shown = true;
    Draw();
    if (cursorListener) cursorListener(column, row);
}

void KeyPlay::HideCursor() {
    if (!shown) return;
    Erase();
    shown = false;
}

void KeyPlay::MoveCursor(int columnStep, int rowStep) {
    const int nextColumn = std::clamp(column + columnStep, 0, Board::Columns - 1);
    const int nextRow = std::clamp(row + rowStep, 0, Board::Rows - 1);
    if (nextColumn == column && nextRow == row) return;
    PlaceCursor(nextColumn, nextRow);
    if (board.Hand() != nullptr) CarryHeldCard();
}

void KeyPlay::PlaceCursor(int nextColumn, int nextRow) {
    if (shown) Erase();
    column = nextColumn;
    row = nextRow;
    if (!shown) return;
    Draw();
    if (cursorListener) cursorListener(column, row);
}

void KeyPlay::Replay(bool undo) {
    if (board.Hand() != nullptr) pointer.ReturnCard();
    MoveHistory& history = pointer.History();
    // The step and the cursor following it reach the screen together.
    Surface* surface = drawing.DrawingSurface();
    std::optional<Surface::Batch> frame;
    if (surface != nullptr) frame.emplace(*surface);
    const std::optional<MoveHistory::Move> move = undo ? history.Undo() : history.Redo();
    if (!move) return;
    if (undo) {
        PlaceCursor(move->fromColumn, move->fromRow);
    } else {
        PlaceCursor(move->toColumn, move->toRow);
    }
}

void KeyPlay::Act() {
    // A click near the middle of the place, or, with a card held, where the drop point falls on
    // the place whatever spot of the card the pointer grabbed it by.
    if (board.Hand() == nullptr) {
        pointer.MouseDown(PointerPlay::Button::Primary, PlaceCorner().x() + CardWidth / 2,
                          PlaceCorner().y() + CardHeight / 2);
        if (board.Hand() != nullptr) CarryHeldCard();
        return;
    }
    const QPoint corner = PlaceCorner();
    pointer.MouseDown(PointerPlay::Button::Primary, corner.x() + LiftX + pointer.GrabX(),
                      corner.y() + LiftY + pointer.GrabY());
}

void KeyPlay::CarryHeldCard() {
    const QPoint corner = PlaceCorner();
    pointer.MouseMove(corner.x() + LiftX + pointer.GrabX(), corner.y() + LiftY + pointer.GrabY());
}

QPoint KeyPlay::PlaceCorner() const {
    return {board.PlaceX(column), board.PlaceY(row)};
}

void KeyPlay::Draw() {
    Surface* surface = drawing.DrawingSurface();
    if (surface == nullptr) return;
    CardPile* held = board.Hand().get();
    const bool lift = held != nullptr && !held->Hidden();
    Surface::Batch batch(*surface);
    if (lift) held->Hide(surface);

    savedAt = PlaceCorner() - QPoint(FrameMargin, FrameMargin);
    QImage patch(FrameWidth, FrameHeight, QImage::Format_RGB32);
    patch.fill(0);
    surface->CopyTo(patch, 0, 0, savedAt.x(), savedAt.y(), FrameWidth, FrameHeight);
    // The frame colour like the hint frames, unless the player made it the table's colour.
    std::uint32_t color = drawing.FrameColor();
    if (color == drawing.BackgroundColor()) color ^= 0xFFFFFF;
    const QRgb pixel = PixelFromColorRef(color);
    // Made when the cursor is first shown, not at start: many players never touch the keys.
    if (framePixels.empty()) framePixels = FramePixels();
    saved.clear();
    for (const QPoint& p : framePixels) {
        QRgb& at = reinterpret_cast<QRgb*>(patch.scanLine(p.y() + FrameMargin))[p.x() + FrameMargin];
        saved.push_back(at);
        at = pixel;
    }
    surface->Blit(savedAt.x(), savedAt.y(), patch, 0, 0, FrameWidth, FrameHeight, RasterOp::Copy);

    if (lift) held->Show(surface);
}

void KeyPlay::Erase() {
    Surface* surface = drawing.DrawingSurface();
    if (surface == nullptr || saved.size() != framePixels.size()) return;
    CardPile* held = board.Hand().get();
    const bool lift = held != nullptr && !held->Hidden();
    Surface::Batch batch(*surface);
    if (lift) held->Hide(surface);

    // Only the frame's own pixels go back: the place inside may have changed meanwhile.
    QImage patch(FrameWidth, FrameHeight, QImage::Format_RGB32);
    patch.fill(0);
    surface->CopyTo(patch, 0, 0, savedAt.x(), savedAt.y(), FrameWidth, FrameHeight);
    for (std::size_t i = 0; i < framePixels.size(); ++i) {
        const QPoint& p = framePixels[i];
        reinterpret_cast<QRgb*>(patch.scanLine(p.y() + FrameMargin))[p.x() + FrameMargin] = saved[i];
    }
    surface->Blit(savedAt.x(), savedAt.y(), patch, 0, 0, FrameWidth, FrameHeight, RasterOp::Copy);
    saved.clear();

    if (lift) held->Show(surface);
}
