#include "ui/MainDialogs.h"

#include "ui/RedrawUnder.h"
#include "ui/SmallDialog.h"
#include "ui/TEndGameDlg.h"
#include "ui/TFreewareDlg.h"
#include "ui/TGiveUpDlg.h"
#include "ui/TOptionsDlg.h"
#include "ui/TStatDlg.h"
#include "ui/TTongueDlg.h"
#include "ui/TWonDlg.h"

MainDialogs::MainDialogs(QWidget& mainWindow, const Models& shown, Language& currentLanguage,
                         Runner dialogRunner)
    : window(mainWindow), models(shown), language(currentLanguage), runner(std::move(dialogRunner)) {}

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

template <typename Dialog>
Dialog& MainDialogs::MadeOnFirstUse(Dialog*& dialog) {
    if (!dialog) dialog = new Dialog(&window, language);
    return *dialog;
}

TStatDlg& MainDialogs::Stat() {
    if (!stat) stat = new TStatDlg(&window, language, models.statistics);
    return *stat;
}

TOptionsDlg& MainDialogs::Options() {
    if (!options) options = new TOptionsDlg(&window, models.options, language, models.switches);
    return *options;
}

TFreewareDlg& MainDialogs::About() {
    return MadeOnFirstUse(about);
}

TTongueDlg& MainDialogs::Tongue() {
    return MadeOnFirstUse(tongue);
}

TEndGameDlg& MainDialogs::EndGame() {
    return MadeOnFirstUse(endGame);
}

TGiveUpDlg& MainDialogs::GiveUp() {
    return MadeOnFirstUse(giveUp);
}

TWonDlg& MainDialogs::Won() {
    return MadeOnFirstUse(won);
}

int MainDialogs::Run(QDialog& dialog) const {
    const int result = runner ? runner(dialog) : dialog.exec();
    // Before a deal's pauses and slides, which would leave the dialog's picture on the board.
    RedrawUnder(window, dialog.frameGeometry());
    if (auto* box = qobject_cast<SmallDialog*>(&dialog)) box->ReleaseWindow();
    return result;
}
