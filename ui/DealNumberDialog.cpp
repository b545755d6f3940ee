#include "ui/DealNumberDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include "ui/DialogLook.h"
#include "ui/GlyphButton.h"

DealNumberDialog::DealNumberDialog(QWidget* mainWindow, const Language& language)
    : SmallDialog(mainWindow), currentLanguage(language) {
    setObjectName(QStringLiteral("DealNumberDialog"));
    ApplyDialogLook(*this, QStringLiteral("Torvik Vandrel"), 261, 103);

    MakeBevel(this, QStringLiteral("Bevel1"), QRect(8, 8, 245, 49), BevelKind::Etched);
    QLabel* icon = MakeImage(this, QStringLiteral("Image1"), QRect(16, 16, 32, 32));
    ShowWindowIcon(*icon, *mainWindow);

    Label1 = MakeLabel(this, QStringLiteral("Label1"), QRect(56, 24, 88, 16));
    NumberEdit = new QLineEdit(this);
    NumberEdit->setObjectName(QStringLiteral("NumberEdit"));
    NumberEdit->setGeometry(148, 20, 93, 22);
    NumberEdit->setMaxLength(10);
    NumberEdit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,10}")), NumberEdit));
    Label1->setBuddy(NumberEdit);

    OKBtn = GlyphButton::Make(this, QStringLiteral("OKBtn"), QRect(40, 68, 77, 27), OkGlyph());
    OKBtn->setDefault(true);
    connect(OKBtn, &GlyphButton::clicked, this, [this] { done(ResultOk); });
    CancelBtn = GlyphButton::Make(this, QStringLiteral("CancelBtn"), QRect(136, 68, 77, 27), CancelGlyph());
    connect(CancelBtn, &GlyphButton::clicked, this, [this] { done(ResultCancel); });
    // Ten digits may still be more than a deal number can be.
    connect(NumberEdit, &QLineEdit::textChanged, this, [this] { OKBtn->setEnabled(Number().has_value()); });

    SetCancelButton(CancelBtn);
    SetInitialFocus(NumberEdit);
}

void DealNumberDialog::SetNumber(std::uint32_t number) {
    NumberEdit->setText(QString::number(number));
}

std::optional<std::uint32_t> DealNumberDialog::Number() const {
    bool ok = false;
    const qulonglong value = NumberEdit->text().toULongLong(&ok);
    if (!ok || value > 0xFFFFFFFFull) return std::nullopt;
    return static_cast<std::uint32_t>(value);
}

void DealNumberDialog::FormActivate() {
    Label1->setText(Pick(currentLanguage, QStringLiteral("Spielnummer:"), QStringLiteral("Deal number:")));
    OKBtn->setText(QStringLiteral("OK"));
    CancelBtn->setText(Pick(currentLanguage, QStringLiteral("Abbrechen"), QStringLiteral("Cancel")));
    NumberEdit->setAccessibleName(Label1->text());
    NumberEdit->setAccessibleDescription(Pick(currentLanguage,
                                              QStringLiteral("Eine andere Nummer spielt dieses Spiel."),
                                              QStringLiteral("Type another number to play that deal.")));
    // Typing replaces the number shown.
    NumberEdit->selectAll();
}
