#include "ui/TEndGameDlg.h"

#include <QLabel>

#include "ui/GlyphButton.h"

TEndGameDlg::TEndGameDlg(QWidget* mainWindow, const Language& language)
    : ConfirmDialog(mainWindow, language, QRect(72, 20, 153, 29), QStringLiteral(":/dialogs/door.png")) {}

void TEndGameDlg::FormActivate() {
    Label1->setText(Pick(currentLanguage, QStringLiteral("Willst Du wirklich schon aufhören?"),
                         QStringLiteral("Do you really want to go?")));
    OKBtn->setText(Pick(currentLanguage, QStringLiteral("Ja"), QStringLiteral("Yes")));
    CancelBtn->setText(Pick(currentLanguage, QStringLiteral("Nein"), QStringLiteral("No")));
}
