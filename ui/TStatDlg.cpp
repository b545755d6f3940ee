#include "ui/TStatDlg.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>

#include "settings/StatisticsModel.h"
#include "ui/DialogLook.h"
#include "ui/GlyphButton.h"
#include "ui/ScoreGauge.h"

namespace {

// The figures end here, just left of the words.
constexpr int figureRight = 153;
constexpr int wordLeft = 156;

int PercentOf(std::int32_t wonCount, std::int32_t lostCount) {
    const std::int64_t all = static_cast<std::int64_t>(wonCount) + lostCount;
    if (all == 0) return 50;
    return static_cast<int>(static_cast<std::int64_t>(wonCount) * 100 / all);
}

}  // namespace

TStatDlg::TStatDlg(QWidget* mainWindow, const Language& language, StatisticsModel& statistics)
    : SmallDialog(mainWindow, Placement::WhereLeft), currentLanguage(language), model(statistics) {
    ApplyDialogLook(*this, QString(), 250, 231);

    Panel4 = MakeBevel(this, QStringLiteral("Panel4"), QRect(8, 8, 237, 137), BevelKind::Etched);
    Label19 = MakeLabel(Panel4, QStringLiteral("Label19"), QRect(8, 8, 140, 13));
    won = MakeFigure("won", 8, QColor(0, 255, 0));
    Label20 = MakeWord("Label20", 8);
    gthis = new ScoreGauge(Panel4, true);
    gthis->setObjectName(QStringLiteral("gthis"));
    gthis->setGeometry(8, 24, 89, 13);
    lost = MakeFigure("lost", 24, QColor(255, 0, 0));
    Label23 = MakeWord("Label23", 24);

    Label21 = MakeLabel(Panel4, QStringLiteral("Label21"), QRect(8, 52, 140, 13));
    twon = MakeFigure("twon", 52, QColor(0, 255, 0));
    Label22 = MakeWord("Label22", 52);
    gtotal = new ScoreGauge(Panel4, true);
    gtotal->setObjectName(QStringLiteral("gtotal"));
    gtotal->setGeometry(8, 68, 89, 13);
    tlost = MakeFigure("tlost", 68, QColor(255, 0, 0));
    Label24 = MakeWord("Label24", 68);

    Label1 = MakeLabel(Panel4, QStringLiteral("Label1"), QRect(8, 96, 140, 13));
    swon = MakeFigure("swon", 96, QColor(0, 255, 0));
    Label2 = MakeWord("Label2", 96);
    slost = MakeFigure("slost", 112, QColor(255, 0, 0));
    Label3 = MakeWord("Label3", 112);

    Panel3 = MakeBevel(this, QStringLiteral("Panel3"), QRect(8, 152, 237, 33), BevelKind::Etched);
    reset = new QCheckBox(Panel3);
    reset->setObjectName(QStringLiteral("reset"));
    reset->setGeometry(12, 8, 141, 17);

    Image1 = MakeImage(this, QStringLiteral("Image1"), QRect(8, 192, 32, 32));

    // Created after the reset box, so the tab order runs box, Cancel, OK.
    CancelBtn = GlyphButton::Make(this, QStringLiteral("CancelBtn"), QRect(73, 196, 85, 27), CancelGlyph());
    connect(CancelBtn, &GlyphButton::clicked, this, [this] { done(ResultCancel); });

    OKBtn = GlyphButton::Make(this, QStringLiteral("OKBtn"), QRect(161, 196, 85, 27), OkGlyph());
    OKBtn->setText(QStringLiteral("OK"));
    connect(OKBtn, &GlyphButton::clicked, this, &TStatDlg::OKBtnClick);

    // No default button: Enter presses a button only while it has the focus. Left auto-default,
    // the dialog would make the first button after the focused box its default.
    CancelBtn->setAutoDefault(false);
    OKBtn->setAutoDefault(false);
    SetCancelButton(CancelBtn);
    SetInitialFocus(reset);
    FormCreate();
}

TStatDlg::~TStatDlg() = default;

QLabel* TStatDlg::MakeFigure(const char* name, int y, const QColor& colour) {
    // Wide enough for any 32-bit count; the right edge stays put whatever the text.
    QLabel* figure = MakeLabel(Panel4, QString::fromLatin1(name), QRect(figureRight - 100, y, 100, 13));
    figure->setAlignment(Qt::AlignRight | Qt::AlignTop);
    QPalette palette = figure->palette();
    palette.setColor(QPalette::WindowText, colour);
    figure->setPalette(palette);
    return figure;
}

QLabel* TStatDlg::MakeWord(const char* name, int y) {
    return MakeLabel(Panel4, QString::fromLatin1(name),
                     QRect(wordLeft, y, Panel4->width() - wordLeft - 2, 13));
}

void TStatDlg::FormCreate() {
    ShowWindowIcon(*Image1, *parentWidget());
}

void TStatDlg::FormActivate() {
    reset->setChecked(false);
    const ::Statistics& statistics = model.Stats();
    won->setText(QString::number(statistics.sinceStartWon));
    lost->setText(QString::number(statistics.sinceStartLost));
    twon->setText(QString::number(statistics.totalWon));
    tlost->setText(QString::number(statistics.totalLost));
    swon->setText(QString::number(statistics.longestWon));
    slost->setText(QString::number(statistics.longestLost));
    gthis->SetProgress(PercentOf(statistics.sinceStartWon, statistics.sinceStartLost));
    gtotal->SetProgress(PercentOf(statistics.totalWon, statistics.totalLost));
    ChangeMessages();
}

void TStatDlg::ChangeMessages() {
    const auto pick = [this](const char* german, const char* english) {
        return Pick(currentLanguage, QString::fromUtf8(german), QString::fromUtf8(english));
    };
    setWindowTitle(pick("Torvik Vandrel - Statistik", "Torvik Vandrel - Statistics"));
    Label19->setText(pick("Diese Sitzung:", "This session:"));
    Label21->setText(pick("Alle Sitzungen:", "All sessions:"));
    Label1->setText(pick("Längste Serien:", "Longest series:"));
    for (QLabel* word : {Label20, Label22, Label2}) word->setText(pick("aufgegangen", "won"));
    for (QLabel* word : {Label23, Label24, Label3}) word->setText(pick("aufgegeben", "lost"));
    reset->setText(pick("Statistik rücksetzen", "Reset statistics"));
    CancelBtn->setText(pick("Abbrechen", "Escape"));
    // The gauges show nothing but colours and a figure: a screen reader hears what they measure.
    gthis->setAccessibleName(
        pick("Diese Sitzung: %1 % aufgegangen", "This session: %1 % won").arg(gthis->Progress()));
    gtotal->setAccessibleName(
        pick("Alle Sitzungen: %1 % aufgegangen", "All sessions: %1 % won").arg(gtotal->Progress()));
}

void TStatDlg::OKBtnClick() {
    if (reset->isChecked()) {
        model.Reset();
    }
    done(ResultOk);
}
