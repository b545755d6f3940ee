#pragma once

#include <QDialog>
#include <functional>

#include "base/Language.h"

class OptionsHost;
class StatisticsModel;
class SwitchesModel;
class TEndGameDlg;
class TFreewareDlg;
class TGiveUpDlg;
class TOptionsDlg;
class TStatDlg;
class TTongueDlg;
class TWonDlg;

// The modal dialogs of the main window, each made once, when first asked for, with the main
// window as its Qt parent, so that the window's start makes nothing it does not show. The
// statistics and options dialogs show and edit models the session owns. All are destroyed in the
// reverse order of the list below while the main window and those models still exist.
class MainDialogs {
public:
    // How a dialog is shown: by default in its own modal loop.
    using Runner = std::function<int(QDialog&)>;

    // What the statistics and options dialogs show and edit.
    struct Models {
        StatisticsModel& statistics;
        SwitchesModel& switches;
        OptionsHost& options;
    };

    MainDialogs(QWidget& mainWindow, const Models& models, Language& language, Runner runner = {});
    ~MainDialogs();
    MainDialogs(const MainDialogs&) = delete;
    MainDialogs& operator=(const MainDialogs&) = delete;

    // Shows the dialog modally and gives its result, once the main window has drawn again what
    // the dialog covered.
    int Run(QDialog& dialog) const;

    TStatDlg& Stat();
    TOptionsDlg& Options();
    TFreewareDlg& About();
    TTongueDlg& Tongue();
    TEndGameDlg& EndGame();
    TGiveUpDlg& GiveUp();
    TWonDlg& Won();

private:
    template <typename Dialog>
    Dialog& MadeOnFirstUse(Dialog*& dialog);

    QWidget& window;
    Models models;
    Language& language;
    Runner runner;
    TStatDlg* stat = nullptr;
    TOptionsDlg* options = nullptr;
    TFreewareDlg* about = nullptr;
    TTongueDlg* tongue = nullptr;
    TEndGameDlg* endGame = nullptr;
    TGiveUpDlg* giveUp = nullptr;
    TWonDlg* won = nullptr;
};
