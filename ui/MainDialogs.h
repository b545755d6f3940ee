#pragma once

#include <QDialog>
#include <functional>

#include "game/Language.h"

class OptionsHost;
class SettingsStore;
class TEndGameDlg;
class TFreewareDlg;
class TGiveUpDlg;
class TOptionsDlg;
class TStatDlg;
class TTongueDlg;
class TWonDlg;

// The modal dialogs of the main window. They are made once, right after the main window and with
// it as their Qt parent, and destroyed in the reverse order of their making while the main window
// and its settings store still exist, since some of them store what they own as they go.
class MainDialogs {
public:
    // How a dialog is shown: by default in its own modal loop.
    using Runner = std::function<int(QDialog&)>;

    MainDialogs(QWidget& mainWindow, OptionsHost& options, Language& language, const SettingsStore& store,
                Runner runner = {});
    ~MainDialogs();
    MainDialogs(const MainDialogs&) = delete;
    MainDialogs& operator=(const MainDialogs&) = delete;

    // Shows the dialog modally and gives its result, once the main window has drawn again what
    // the dialog covered.
    int Run(QDialog& dialog) const;

    TStatDlg& Stat() { return *stat; }
    TOptionsDlg& Options() { return *options; }
    TFreewareDlg& About() { return *about; }
    TTongueDlg& Tongue() { return *tongue; }
    TEndGameDlg& EndGame() { return *endGame; }
    TGiveUpDlg& GiveUp() { return *giveUp; }
    TWonDlg& Won() { return *won; }

private:
    QWidget& window;
    Runner runner;
    TStatDlg* stat;
    TOptionsDlg* options;
    TFreewareDlg* about;
    TTongueDlg* tongue;
    TEndGameDlg* endGame;
    TGiveUpDlg* giveUp;
    TWonDlg* won;
};
