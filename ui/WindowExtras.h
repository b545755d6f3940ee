#pragma once

#include <QSize>
#include <memory>

#include "base/Language.h"
#include "ui/QtTranslation.h"

class Board;
class BoardAccessible;
class DealNumberDialog;
class GameFlow;
class KeyControl;
class MainDialogs;
class QWidget;
class SettingsStore;
class ZoomController;

// What the main window offers beyond its tool strip, each part a key or a reading the plain
// window never shows: the deal-number dialog on Ctrl+D, zoom on Ctrl+plus, Ctrl+minus and Ctrl+0,
// Qt's own texts in the game's language, and the board read out to screen readers.
class WindowExtras {
public:
    struct Parts {
        QWidget& window;
        // The widget the board is drawn in.
        QWidget& boardView;
        Board& board;
        GameFlow& flow;
        MainDialogs& dialogs;
        KeyControl& keys;
        const SettingsStore& store;
        const Language& language;
        // The window's size at the design's scale.
        QSize design;
    };

    explicit WindowExtras(const Parts& parts);
    ~WindowExtras();
    WindowExtras(const WindowExtras&) = delete;
    WindowExtras& operator=(const WindowExtras&) = delete;

    // The language may have changed.
    void ApplyTexts();
    // Ctrl+D: the current deal's number, and another to play.
    void AskDealNumber();

    ZoomController& Zoom() { return *zoom; }

private:
    QWidget& window;
    Board& board;
    GameFlow& flow;
    MainDialogs& dialogs;
    const Language& language;
    QtTranslation qtTexts;
    BoardAccessible* boardReading;
    std::unique_ptr<ZoomController> zoom;
    // Made when first asked for, with the window as its parent.
    DealNumberDialog* dealDialog = nullptr;
};
