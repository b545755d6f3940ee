#include "ui/ConfirmDialog.h"

#include <QFrame>
#include <QLabel>

#include "ui/DialogLook.h"
#include "ui/GlyphButton.h"

ConfirmDialog::ConfirmDialog(QWidget* mainWindow, const Language& language, QRect questionGeometry,
                             const QString& yesGlyph)
    : SmallDialog(mainWindow), currentLanguage(language) {
    ApplyDialogLook(*this, QStringLiteral("Torvik Vandrel"), 261, 103);

    Bevel1 = MakeBevel(this, QStringLiteral("Bevel1"), QRect(8, 8, 245, 49), BevelKind::Etched);
    Image1 = MakeImage(this, QStringLiteral("Image1"), QRect(16, 16, 32, 32));
    ShowWindowIcon(*Image1, *mainWindow);

    Label1 = MakeLabel(this, QStringLiteral("Label1"), questionGeometry);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setWordWrap(true);
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);

    // Created in tab order: Yes first, so Tab from Yes reaches No.
    OKBtn = GlyphButton::Make(this, QStringLiteral("OKBtn"), QRect(40, 68, 77, 27), LoadGlyph(yesGlyph));
    OKBtn->setDefault(true);
    connect(OKBtn, &GlyphButton::clicked, this, [this] { done(ResultYes); });

    CancelBtn = GlyphButton::Make(this, QStringLiteral("CancelBtn"), QRect(136, 68, 77, 27), CancelGlyph());
    connect(CancelBtn, &GlyphButton::clicked, this, [this] { done(ResultCancel); });

    SetCancelButton(CancelBtn);
    SetInitialFocus(OKBtn);
}
