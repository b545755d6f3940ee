#include "ui/TGiveUpDlg.h"

#include <QLabel>

#include "ui/GlyphButton.h"

TGiveUpDlg::TGiveUpDlg(QWidget* mainWindow, const Language& language)
    : ConfirmDialog(mainWindow, language, QRect(56, 20, 189, 26), QStringLiteral(":/dialogs/bomb.png")) {}

void TGiveUpDlg::FormActivate() {
    Label1->setText(Pick(currentLanguage, QStringLiteral("Willst Du das Spiel wirklich aufgeben?"),
                         QStringLiteral("Do you really want to give up the game?")));
    OKBtn->setText(Pick(currentLanguage, QStringLiteral("Ja"), QStringLiteral("Yes")));
    CancelBtn->setText(Pick(currentLanguage, QStringLiteral("Nein"), QStringLiteral("No")));
}
