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

// The modal dialogs of the main window, each made once with the main window as its Qt parent. The
// statistics and options dialogs, which own values the game keeps, are made right after the main
// window; the others, which only ask or tell, when first asked for, so that the window's start
// makes nothing it does not show. All are destroyed in the reverse order of the list below while
// the main window and its settings store still exist, since some store what they own as they go.
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
    TFreewareDlg& About();
    TTongueDlg& Tongue();
    TEndGameDlg& EndGame();
    TGiveUpDlg& GiveUp();
    TWonDlg& Won();

private:
    template <typename Dialog>
    Dialog& MadeOnFirstUse(Dialog*& dialog);

    QWidget& window;
    Language& language;
    Runner runner;
    TStatDlg* stat;
    TOptionsDlg* options;
    TFreewareDlg* about = nullptr;
    TTongueDlg* tongue = nullptr;
    TEndGameDlg* endGame = nullptr;
    TGiveUpDlg* giveUp = nullptr;
    TWonDlg* won = nullptr;
};
