#include "ui/TWonDlg.h"

#include <QFrame>
#include <QLabel>

#include "ui/DialogLook.h"
#include "ui/GlyphButton.h"

TWonDlg::TWonDlg(QWidget* mainWindow, const Language& language)
    : SmallDialog(mainWindow), currentLanguage(language) {
    ApplyDialogLook(*this, QStringLiteral("Torvik Vandrel"), 261, 103);

    Bevel1 = MakeBevel(this, QStringLiteral("Bevel1"), QRect(8, 8, 245, 49), BevelKind::Etched);
    Image1 = MakeImage(this, QStringLiteral("Image1"), QRect(16, 16, 32, 32));
    ShowWindowIcon(*Image1, *mainWindow);

    Label1 = MakeLabel(this, QStringLiteral("Label1"), QRect(88, 20, 121, 29));
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setWordWrap(true);

    OKBtn = GlyphButton::Make(this, QStringLiteral("OKBtn"), QRect(92, 68, 77, 27),
                              LoadGlyph(QStringLiteral(":/dialogs/smile.png")));
    OKBtn->setText(QStringLiteral("OK"));
    OKBtn->SetMargin(5);
    OKBtn->setDefault(true);
    connect(OKBtn, &GlyphButton::clicked, this, [this] { done(ResultOk); });

    SetInitialFocus(OKBtn);
}

void TWonDlg::FormActivate() {
    Label1->setText(
        Pick(currentLanguage, QStringLiteral("Hurra, Du hast gewonnen!"), QStringLiteral("Wow, you won!")));
}
