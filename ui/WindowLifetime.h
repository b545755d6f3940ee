#pragma once

#include "settings/PositionKeeper.h"
#include "ui/QuietEnd.h"

class MainDialogs;
class PlayerChoices;
class QWidget;
class SettingsStore;
class ZoomController;

// The start and the end of a run in the main window: its stored position, the questions and the
// about box of the first activation, and the end the player confirms or a request from outside
// asks for without questions. Made after the dialogs and destroyed before them; the window's
// position is kept as it goes, while the window is still whole.
class WindowLifetime {
public:
    WindowLifetime(QWidget& mainWindow, SettingsStore& store, MainDialogs& mainDialogs,
                   PlayerChoices& playerChoices, ZoomController& zoom);
    ~WindowLifetime();
    WindowLifetime(const WindowLifetime&) = delete;
    WindowLifetime& operator=(const WindowLifetime&) = delete;

    // Back to the stored position when the window is shown for the first time.
    void FirstShown();
    // The language question if none is stored, the texts, the about box. Later calls, and calls
    // after a request to end without questions, do nothing.
    void FirstActivation();
    // Shows the language dialog and stores what it set.
    void AskLanguage();
    void ShowAbout();
    // True when the player confirms the end, after which the about box has been shown. After a
    // request to end without questions, true without asking or showing anything.
    bool QuitConfirmed();
    void EndWithoutQuestions() { quietEnd.Request(); }
    bool EndingQuietly() const { return quietEnd.Requested(); }

private:
    QWidget& window;
    PositionKeeper positionKeeper;
    MainDialogs& dialogs;
    PlayerChoices& choices;
    // Knows where an enlarged window stands at scale one, the place that is kept.
    ZoomController& zoom;
    QuietEnd quietEnd;
    bool activated = false;
};
