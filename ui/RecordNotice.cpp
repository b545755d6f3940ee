#include "ui/RecordNotice.h"

#include <QFileInfo>
#include <QLabel>

#include "ui/DialogLook.h"
#include "ui/GlyphButton.h"

RecordNotice::RecordNotice(QWidget* mainWindow, const Language& language)
    : SmallDialog(mainWindow), currentLanguage(language) {
    setObjectName(QStringLiteral("RecordNotice"));
    ApplyDialogLook(*this, QStringLiteral("Torvik Vandrel"), 341, 131);

    MakeBevel(this, QStringLiteral("Bevel1"), QRect(8, 8, 325, 77), BevelKind::Etched);
    QLabel* icon = MakeImage(this, QStringLiteral("Image1"), QRect(16, 16, 32, 32));
    ShowWindowIcon(*icon, *mainWindow);
    Label1 = MakeLabel(this, QStringLiteral("Label1"), QRect(56, 14, 269, 66));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    OKBtn = GlyphButton::Make(this, QStringLiteral("OKBtn"), QRect(132, 96, 77, 27), OkGlyph());
    OKBtn->setText(QStringLiteral("OK"));
    OKBtn->setDefault(true);
    connect(OKBtn, &GlyphButton::clicked, this, [this] { done(ResultOk); });
    SetCancelButton(OKBtn);
    SetInitialFocus(OKBtn);
}

void RecordNotice::SetTrouble(GameRecord::Trouble what, const QString& about) {
    trouble = what;
    detail = about;
}

QString RecordNotice::Message() const {
    const Language language = currentLanguage;
    switch (trouble) {
        case GameRecord::Trouble::SetAside:
            return Pick(
                language,
                QStringLiteral("Die Liste Deiner Spiele war beschädigt. Sie liegt jetzt als \"%1\" daneben, "
                               "und eine neue Liste wurde begonnen.")
                    .arg(QFileInfo(detail).fileName()),
                QStringLiteral("The list of your deals was damaged. It now lies beside as \"%1\", and a new "
                               "list was begun.")
                    .arg(QFileInfo(detail).fileName()));
        case GameRecord::Trouble::NewerVersion:
            return Pick(
                language,
                QStringLiteral("Die Liste Deiner Spiele stammt von einer neueren Version. Sie wird gezeigt, "
                               "aber die Spiele dieser Runde kommen nicht hinein."),
                QStringLiteral("The list of your deals comes from a newer version. It is shown, but the "
                               "deals of this run are not added."));
        case GameRecord::Trouble::Unwritable:
            break;
    }
    return Pick(
        language,
        QStringLiteral("Die Liste Deiner Spiele kann nicht geschrieben werden (%1). Die Statistik zählt "
                       "weiter.")
            .arg(detail),
        QStringLiteral("The list of your deals cannot be written (%1). The statistics go on counting.")
            .arg(detail));
}

void RecordNotice::FormActivate() {
    Label1->setText(Message());
    Label1->setAccessibleName(Label1->text());
}
