#include "ui/TTongueDlg.h"

#include <QFrame>
#include <QLabel>

#include "ui/DialogLook.h"
#include "ui/GlyphButton.h"

TTongueDlg::TTongueDlg(QWidget* mainWindow, Language& language)
    : SmallDialog(mainWindow), currentLanguage(language) {
    ApplyDialogLook(*this, QStringLiteral("Torvik Vandrel 1.5"), 320, 91);

    Bevel1 = MakeBevel(this, QStringLiteral("Bevel1"), QRect(8, 8, 305, 77), BevelKind::Sunken);
    Image4 = MakeImage(this, QStringLiteral("Image4"), QRect(28, 28, 37, 37));
    ShowWindowIcon(*Image4, *mainWindow);

    // Both buttons act as the default while they have the focus, so Enter answers with the one
    // the player last moved to.
    EnglishBtn = GlyphButton::Make(this, QStringLiteral("EnglishBtn"), QRect(84, 16, 221, 27),
                                   LoadGlyph(QStringLiteral(":/dialogs/flags_en.png")));
    EnglishBtn->setText(QStringLiteral("I speak english."));
    EnglishBtn->setDefault(true);
    connect(EnglishBtn, &GlyphButton::clicked, this, &TTongueDlg::EnglishBtnClick);

    GermanBtn = GlyphButton::Make(this, QStringLiteral("GermanBtn"), QRect(84, 48, 221, 27),
                                  LoadGlyph(QStringLiteral(":/dialogs/flags_de.png")));
    GermanBtn->setText(QStringLiteral("Ich spreche deutsch."));
    connect(GermanBtn, &GlyphButton::clicked, this, &TTongueDlg::GermanBtnClick);

    SetInitialFocus(EnglishBtn);
}

void TTongueDlg::FormActivate() {}

void TTongueDlg::EnglishBtnClick() {
    currentLanguage = Language::English;
    done(ResultOk);
}

void TTongueDlg::GermanBtnClick() {
    currentLanguage = Language::German;
    done(ResultOk);
}
