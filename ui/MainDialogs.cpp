#include "ui/MainDialogs.h"

#include "ui/TEndGameDlg.h"
#include "ui/TFreewareDlg.h"
#include "ui/TGiveUpDlg.h"
#include "ui/TTongueDlg.h"
#include "ui/TWonDlg.h"

MainDialogs::MainDialogs(QWidget& mainWindow, Language& language)
    : about(new TFreewareDlg(&mainWindow, language)),
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
}

int MainDialogs::Run(QDialog& dialog) const {
    return runner ? runner(dialog) : dialog.exec();
}

void MainDialogs::SetRunner(Runner newRunner) {
    runner = std::move(newRunner);
}
