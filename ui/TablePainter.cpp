#include "ui/TablePainter.h"

#include <QPalette>
#include <QWidget>

#include "game/Board.h"
#include "game/ScoreDisplay.h"
#include "platform/RasterOp.h"
#include "platform/Surface.h"
#include "ui/PlayerChoices.h"

TablePainter::TablePainter(QWidget& mainWindow, Surface& windowSurface, Board& gameBoard,
                           PlayerChoices& playerChoices, ScoreDisplay& scoreDisplay)
    : window(mainWindow),
      surface(windowSurface),
      board(gameBoard),
      choices(playerChoices),
      score(scoreDisplay) {}

void TablePainter::Paint() {
    // A held card lies on top of everything: it comes off before the board is redrawn under it
    // and goes back after, or it would vanish and later restore a patch of the old surface.
    CardPile* held = board.Hand().get();
    const bool lifted = held != nullptr && !held->Hidden();
    if (lifted) held->Hide(&surface);
    {
        Surface::Batch batch(surface);
        surface.FillRect(QRect(0, 0, surface.Width(), surface.Height()), choices.BackgroundColor());
        board.RepaintAll();
    }
    if (lifted) held->Show(&surface);
    score.RefreshScore();
}

void TablePainter::ChangeBackground(std::uint32_t colorRef) {
    board.HideAll();
    choices.SetBackground(colorRef);
    QPalette windowPalette = window.palette();
    windowPalette.setColor(QPalette::Window, QColor::fromRgb(PixelFromColorRef(colorRef)));
    window.setPalette(windowPalette);
    Paint();
    board.ShowAll();
}
