#pragma once

#include <cstdint>

class Board;
class ScoreDisplay;
class PlayerChoices;
class QWidget;
class Surface;

// Draws the table in the main window: the background colour, every place of the board on it, and
// the score after; a new background without losing a card.
class TablePainter {
public:
    TablePainter(QWidget& mainWindow, Surface& windowSurface, Board& gameBoard, PlayerChoices& playerChoices,
                 ScoreDisplay& score);

    void Paint();
    void ChangeBackground(std::uint32_t colorRef);

private:
    QWidget& window;
    Surface& surface;
    Board& board;
    PlayerChoices& choices;
    ScoreDisplay& score;
};
