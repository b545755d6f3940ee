#include "ui/MainDialogs.h"

#include "ui/RedrawUnder.h"

#include "ui/TEndGameDlg.h"
#include "ui/TFreewareDlg.h"
#include "ui/TGiveUpDlg.h"
#include "ui/TOptionsDlg.h"
#include "ui/TStatDlg.h"
#include "ui/TTongueDlg.h"
#include "ui/TWonDlg.h"

MainDialogs::MainDialogs(QWidget& mainWindow, OptionsHost& host, Language& language,
                         const SettingsStore& store, Runner dialogRunner)
    : window(mainWindow),
      runner(std::move(dialogRunner)),
      stat(new TStatDlg(&mainWindow, language, store)),
      options(new TOptionsDlg(&mainWindow, host, language, store)),
      about(new TFreewareDlg(&mainWindow, language)),
      tongue(new TTongueDlg(&mainWindow, language)),
      endGame(new TEndGameDlg(&mainWindow, language)),
      giveUp(new TGiveUpDlg(&mainWindow, language)),
      won(new TWonDlg(&mainWindow, language)) {}

MainDialogs::~MainDialogs() {
    // Qt would delete the children in the order of their making; the reverse one is wanted.
    delete won;
    delete giveUp;
    delete endGame;
    delete tongue;
    delete about;
    delete options;
    delete stat;
}

int MainDialogs::Run(QDialog& dialog) const {
    const int result = runner ? runner(dialog) : dialog.exec();
    // Before a deal's pauses and slides, which would leave the dialog's picture on the board.
    RedrawUnder(window, dialog.frameGeometry());
    return result;
}
