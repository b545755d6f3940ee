#include "ui/TFreewareDlg.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <algorithm>
#include <utility>

#include "media/MakerLinks.h"
#include "platform/EmbeddedImage.h"
#include "ui/DialogLook.h"
#include "ui/GlyphButton.h"

namespace {

const QString mailAddress = MakerMailAddress();
const QString webAddress = MakerWebAddress();

const QString termsGerman = QStringLiteral(
    "Torvik Vandrel 1.5 ist Freeware.\n"
    "\n"
    "Du darfst das Spiel kostenlos benutzen, so lange und so oft Du möchtest, und es an Freunde "
    "und Bekannte weitergeben, auf einem Datenträger, per E-Mail oder über das Internet. Bitte gib "
    "es nur vollständig und unverändert weiter, mit allen Dateien, die dazugehören.\n"
    "\n"
    "Das Spiel darf nicht verkauft werden, auch nicht zusammen mit anderen Programmen. Wer es auf "
    "einer Heft-CD oder in einer Sammlung verbreiten möchte, frage bitte vorher bei Torvik Bytes "
    "nach.\n"
    "\n"
    "Das Spiel wurde mit großer Sorgfalt geschrieben und getestet. Trotzdem kann niemand "
    "garantieren, dass es auf jedem Rechner fehlerfrei läuft: Du benutzt es auf eigene "
    "Verantwortung, und für Schäden, die durch seine Benutzung entstehen, wird keine Haftung "
    "übernommen.\n"
    "\n"
    "Über Lob, Anregungen und Fehlerberichte freuen wir uns sehr. Schreib uns einfach eine "
    "E-Mail.\n"
    "\n"
    "Und nun viel Spaß beim Spielen!");

const QString termsEnglish = QStringLiteral(
    "Torvik Vandrel 1.5 is freeware.\n"
    "\n"
    "You may use the game free of charge, as long and as often as you like, and pass it on to your "
    "friends on a disk, by e-mail or over the internet. Please pass it on only complete and "
    "unchanged, with all the files that belong to it.\n"
    "\n"
    "The game must not be sold, neither on its own nor together with other programs. If you would "
    "like to put it on a magazine CD or into a collection, please ask Torvik Bytes first.\n"
    "\n"
    "The game was written and tested with great care. Still, nobody can promise that it runs "
    "without faults on every computer: you use it at your own risk, and no liability is accepted "
    "for any damage caused by using it.\n"
    "\n"
    "We are always glad to hear praise, ideas and bug reports. Just send us an e-mail.\n"
    "\n"
    "And now have fun playing!");

// The old link labels sized themselves to their text; keep the given size as the least width.
void FitWidth(QLabel& label) {
    const int needed = label.fontMetrics().horizontalAdvance(label.text()) + 2;
    label.resize(std::max(label.width(), needed), label.height());
}

// The product's name in the form's own family, like every other text of the dialog (and no further
// font to load), bold and red.
void StyleProductName(QLabel& label, const QFont& formFont) {
    label.setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont productFont = formFont;
    productFont.setPixelSize(13);
    productFont.setBold(true);
    label.setFont(productFont);
    QPalette red = label.palette();
    red.setColor(QPalette::WindowText, Qt::red);
    label.setPalette(red);
}

// A caption right-aligned before the link it names.
QLabel* MakeCaption(QWidget* parent, const QString& name, const QRect& rect, const QString& text) {
    QLabel* caption = MakeLabel(parent, name, rect);
    caption->setAlignment(Qt::AlignRight | Qt::AlignTop);
    caption->setText(text);
    return caption;
}

LinkLabel* MakeLink(QWidget* parent, LinkLabel::Opener opener, const QString& name, const QRect& rect,
                    const QString& text, const QString& link) {
    auto* label = new LinkLabel(parent, std::move(opener));
    label->setObjectName(name);
    label->setGeometry(rect);
    label->setText(text);
    label->SetLink(link);
    return label;
}

}  // namespace

TFreewareDlg::TFreewareDlg(QWidget* mainWindow, const Language& language, LinkLabel::Opener opener)
    : SmallDialog(mainWindow), currentLanguage(language) {
    // The title comes with every showing instead.
    ApplyDialogLook(*this, QString(), 385, 473);

    Bevel1 = MakeBevel(this, QStringLiteral("Bevel1"), QRect(8, 8, 369, 417), BevelKind::Sunken);
    Image4 = MakeImage(this, QStringLiteral("Image4"), QRect(12, 12, 37, 37));

    progname = MakeLabel(this, QStringLiteral("progname"), QRect(52, 16, 321, 21));
    StyleProductName(*progname, font());
    progname->setText(QStringLiteral("Torvik Vandrel 1.5 - Freeware"));
    Bevel3 = MakeBevel(this, QStringLiteral("Bevel3"), QRect(52, 32, 321, 5), BevelKind::Line);

    Image1 = MakeImage(this, QStringLiteral("Image1"), QRect(12, 52, 101, 77));

    Label4 = MakeLabel(this, QStringLiteral("Label4"), QRect(180, 44, 9, 13));
    Label4->setText(QStringLiteral("©"));
    const QString addressLines[] = {QStringLiteral("Torvik Bytes - Jonas Torvik"),
                                    QStringLiteral("Ahornweg 12"), QStringLiteral("54321 Musterstadt")};
    QLabel** addressLabels[] = {&Label1, &Label2, &Label3};
    for (int line = 0; line < 3; ++line) {
        QLabel* label =
            MakeLabel(this, QStringLiteral("Label%1").arg(line + 1), QRect(196, 44 + 16 * line, 0, 13));
        label->setText(addressLines[line]);
        *addressLabels[line] = label;
    }

    Label13 = MakeCaption(this, QStringLiteral("Label13"), QRect(120, 96, 70, 13), QStringLiteral("E-Mail:"));
    LMDSimpleLabel1 = MakeLink(this, opener, QStringLiteral("LMDSimpleLabel1"), QRect(196, 96, 92, 15),
                               mailAddress, QStringLiteral("mailto:") + mailAddress);
    Label8 =
        MakeCaption(this, QStringLiteral("Label8"), QRect(120, 112, 70, 13), QStringLiteral("Homepage:"));
    LMDSimpleLabel2 = MakeLink(this, opener, QStringLiteral("LMDSimpleLabel2"), QRect(196, 112, 125, 15),
                               webAddress, webAddress);

    Bevel2 = MakeBevel(this, QStringLiteral("Bevel2"), QRect(12, 128, 361, 5), BevelKind::Line);
    Image5 = MakeImage(this, QStringLiteral("Image5"), QRect(12, 140, 121, 69));
    memberlabel = MakeLabel(this, QStringLiteral("memberlabel"), QRect(144, 144, 225, 29));
    memberlabel->setWordWrap(true);

    // Comes before the memos in the tab order and has the first focus.
    OKBtn = GlyphButton::Make(this, QStringLiteral("OKBtn"), QRect(152, 438, 77, 27), OkGlyph());
    OKBtn->setText(QStringLiteral("OK"));
    OKBtn->setDefault(true);
    connect(OKBtn, &GlyphButton::clicked, this, [this] { done(ResultOk); });

    SetInitialFocus(OKBtn);
}

QPlainTextEdit* TFreewareDlg::MakeMemo(const QString& name, const QString& text) {
    auto* memo = new QPlainTextEdit(this);
    memo->setObjectName(name);
    memo->setGeometry(16, 216, 353, 201);
    memo->setReadOnly(true);
    memo->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette lavender = memo->palette();
    lavender.setColor(QPalette::Base, QColor(206, 206, 232));
    memo->setPalette(lavender);
    memo->setPlainText(text);
    memo->installEventFilter(this);
    memo->hide();
    return memo;
}

void TFreewareDlg::LayOutTexts() {
    ShowWindowIcon(*Image4, *this);  // the main window's icon, which the dialog takes from it
    Image1->setPixmap(ReadEmbeddedPixmap(QStringLiteral(":/dialogs/logo_maker.png")));
    Image5->setPixmap(ReadEmbeddedPixmap(QStringLiteral(":/dialogs/logo_association.png")));
    for (QLabel* label : {Label1, Label2, Label3}) label->adjustSize();
    FitWidth(*LMDSimpleLabel1);
    FitWidth(*LMDSimpleLabel2);
    Memodeu = MakeMemo(QStringLiteral("Memodeu"), termsGerman);
    Memoeng = MakeMemo(QStringLiteral("Memoeng"), termsEnglish);
    setTabOrder(OKBtn, Memodeu);
    setTabOrder(Memodeu, Memoeng);
}

void TFreewareDlg::FormActivate() {
    if (!textsLaidOut) {
        LayOutTexts();
        textsLaidOut = true;
    }
    Memodeu->hide();
    Memoeng->hide();
    setWindowTitle(QStringLiteral("Torvik Bytes - Freeware-Info"));
    (currentLanguage == Language::German ? Memodeu : Memoeng)->show();
    memberlabel->setText(
        Pick(currentLanguage, QStringLiteral("Torvik Bytes ist Mitglied im Ring freier Spieleautoren e.V."),
             QStringLiteral("Torvik Bytes is a member of the Ring freier Spieleautoren e.V.")));
    DescribeForScreenReaders();
}

void TFreewareDlg::DescribeForScreenReaders() {
    const auto pick = [this](const char* german, const char* english) {
        return Pick(currentLanguage, QString::fromUtf8(german), QString::fromUtf8(english));
    };
    // The two logos stand for names; the window icon beside the title is only decoration and
    // stays unnamed.
    Image1->setAccessibleName(pick("Logo von Torvik Bytes", "Torvik Bytes logo"));
    Image5->setAccessibleName(pick("Logo des Rings freier Spieleautoren", "Ring freier Spieleautoren logo"));
    LMDSimpleLabel1->setAccessibleDescription(
        pick("Schreibt eine E-Mail an Torvik Bytes", "Writes an e-mail to Torvik Bytes"));
    LMDSimpleLabel2->setAccessibleDescription(
        pick("Öffnet die Homepage von Torvik Bytes", "Opens the Torvik Bytes homepage"));
    for (QPlainTextEdit* memo : {Memodeu, Memoeng})
        memo->setAccessibleName(pick("Nutzungsbedingungen", "Terms of use"));
}

bool TFreewareDlg::eventFilter(QObject* watched, QEvent* event) {
    // A memo keeps Enter for itself instead of letting it press the OK button.
    if ((watched == Memodeu || watched == Memoeng) && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) return true;
    }
    return SmallDialog::eventFilter(watched, event);
}
