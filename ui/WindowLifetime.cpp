#include "ui/WindowLifetime.h"

#include "ui/MainDialogs.h"
#include "ui/PlayerChoices.h"
#include "ui/SmallDialog.h"
#include "ui/TEndGameDlg.h"
#include "ui/TFreewareDlg.h"
#include "ui/TTongueDlg.h"
#include "ui/ZoomController.h"

WindowLifetime::WindowLifetime(QWidget& mainWindow, SettingsStore& store, MainDialogs& mainDialogs,
                               PlayerChoices& playerChoices, ZoomController& zoomController)
    : window(mainWindow),
      positionKeeper(store),
      dialogs(mainDialogs),
      choices(playerChoices),
      zoom(zoomController),
      quietEnd(mainWindow) {}

WindowLifetime::~WindowLifetime() {
    positionKeeper.Record(window, zoom.OneXFrame());
}

void WindowLifetime::FirstShown() {
    if (!zoom.PlaceStored(positionKeeper)) positionKeeper.Restore(window);
}

void WindowLifetime::FirstActivation() {
    if (activated || quietEnd.Requested()) return;
    activated = true;
    if (choices.CurrentLanguage() == Language::Unset) AskLanguage();
    choices.ApplyTexts();
    ShowAbout();
}

void WindowLifetime::AskLanguage() {
    dialogs.Run(dialogs.Tongue());
    choices.LanguageChosen();
}

void WindowLifetime::ShowAbout() {
    dialogs.Run(dialogs.About());
}

bool WindowLifetime::QuitConfirmed() {
    if (quietEnd.Requested()) return true;
    if (dialogs.Run(dialogs.EndGame()) != SmallDialog::ResultYes) return false;
    ShowAbout();
    return true;
}
