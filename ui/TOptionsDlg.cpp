#include "ui/TOptionsDlg.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QToolButton>

#include "platform/RasterOp.h"
#include "settings/SwitchesModel.h"
#include "ui/DialogLook.h"
#include "ui/GlyphButton.h"
#include "ui/OptionsHost.h"

namespace {

QColor ColorFromRef(std::uint32_t colorRef) {
    return QColor::fromRgb(PixelFromColorRef(colorRef));
}

QToolButton* MakeColorButton(QWidget* parent, const QString& name, int y, const QString& glyph) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(8, y, 29, 29);
    const QIcon icon = LoadGlyph(glyph);
    button->setIcon(icon);
    button->setIconSize(QSize(19, 19));
    return button;
}

QCheckBox* MakeCheckBox(QWidget* parent, const QString& name, QRect geometry) {
    auto* box = new QCheckBox(parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    return box;
}

}  // namespace

TOptionsDlg::TOptionsDlg(QWidget* mainWindow, OptionsHost& optionsHost, const Language& language,
                         SwitchesModel& switchesModel)
    : SmallDialog(mainWindow, Placement::WhereLeft),
      host(optionsHost),
      currentLanguage(language),
      switches(switchesModel) {
    ApplyDialogLook(*this, QString(), 345, 140);

    GroupBox3 = new QGroupBox(this);
    GroupBox3->setObjectName(QStringLiteral("GroupBox3"));
    GroupBox3->setGeometry(8, 8, 113, 85);
    ColorBtnB = MakeColorButton(GroupBox3, QStringLiteral("ColorBtnB"), 16,
                                QStringLiteral(":/dialogs/colour_field.png"));
    ColorBtnF = MakeColorButton(GroupBox3, QStringLiteral("ColorBtnF"), 48,
                                QStringLiteral(":/dialogs/colour_frame.png"));
    connect(ColorBtnB, &QToolButton::clicked, this, &TOptionsDlg::ColorBtnBClick);
    connect(ColorBtnF, &QToolButton::clicked, this, &TOptionsDlg::ColorBtnFClick);
    boxa = new QWidget(GroupBox3);
    boxa->setObjectName(QStringLiteral("boxa"));
    boxa->setGeometry(44, 16, 61, 61);
    boxa->installEventFilter(this);

    Panel2 = MakeBevel(this, QStringLiteral("Panel2"), QRect(128, 12, 209, 81), BevelKind::Etched);
    showBox = MakeCheckBox(Panel2, QStringLiteral("show"), QRect(8, 8, 165, 17));
    slideBox = MakeCheckBox(Panel2, QStringLiteral("slide"), QRect(8, 32, 157, 17));
    SoundCheck = MakeCheckBox(Panel2, QStringLiteral("SoundCheck"), QRect(8, 56, 97, 17));
    connect(SoundCheck, &QCheckBox::toggled, this, &TOptionsDlg::SoundCheckClick);

    Image1 = MakeImage(this, QStringLiteral("Image1"), QRect(8, 100, 32, 32));

    CancelBtn = GlyphButton::Make(this, QStringLiteral("CancelBtn"), QRect(164, 104, 85, 27), CancelGlyph());
    connect(CancelBtn, &GlyphButton::clicked, this, [this] { done(ResultCancel); });

    OKBtn = GlyphButton::Make(this, QStringLiteral("OKBtn"), QRect(254, 104, 85, 27), OkGlyph());
    connect(OKBtn, &GlyphButton::clicked, this, &TOptionsDlg::OKBtnClick);

    // No default button: Enter presses a button only while it has the focus. Left auto-default,
    // the dialog would make the first button after the focused box its default.
    CancelBtn->setAutoDefault(false);
    OKBtn->setAutoDefault(false);
    SetCancelButton(CancelBtn);
    SetInitialFocus(showBox);
    FormCreate();
}

TOptionsDlg::~TOptionsDlg() = default;

void TOptionsDlg::FormCreate() {
    ShowWindowIcon(*Image1, *parentWidget());
    workingBack = host.BackgroundColor();
    workingFrame = host.FrameColor();
}

void TOptionsDlg::FormActivate() {
    showBox->setChecked(switches.Switches().showMoves);
    slideBox->setChecked(switches.Switches().slide);
    SoundCheck->setChecked(host.SoundOn());
    ChangeMessages();
}

void TOptionsDlg::ChangeMessages() {
    const auto pick = [this](const char* german, const char* english) {
        return Pick(currentLanguage, QString::fromUtf8(german), QString::fromUtf8(english));
    };
    setWindowTitle(pick("Torvik Vandrel - Optionen", "Torvik Vandrel - Options"));
    ColorBtnB->setToolTip(pick("Flächenfarbe", "Field colour"));
    ColorBtnF->setToolTip(pick("Rahmenfarbe", "Frame colour"));
    GroupBox3->setTitle(pick("Spielfeld", "Field"));
    showBox->setText(pick("Zugmöglichkeit anzeigen", "Show possible draw"));
    slideBox->setText(pick("Bewegung gleitend", "Sliding movement"));
    OKBtn->setText(QStringLiteral("OK"));
    CancelBtn->setText(pick("Abbrechen", "Escape"));
    SoundCheck->setText(pick("Geräusche", "Sound"));
    // The colour buttons show only a picture, the preview nothing but colours: a screen reader
    // needs their names.
    ColorBtnB->setAccessibleName(ColorBtnB->toolTip());
    ColorBtnF->setAccessibleName(ColorBtnF->toolTip());
    for (QToolButton* button : {ColorBtnB, ColorBtnF}) {
        button->setAccessibleDescription(pick("Öffnet die Farbauswahl", "Opens the colour chooser"));
    }
    boxa->setAccessibleName(pick("Vorschau", "Preview"));
    DescribePreview();
}

void TOptionsDlg::DescribePreview() {
    const auto pick = [this](const char* german, const char* english) {
        return Pick(currentLanguage, QString::fromUtf8(german), QString::fromUtf8(english));
    };
    const auto spoken = [&pick](std::uint32_t colorRef) {
        const QColor colour = ColorFromRef(colorRef);
        return pick("rot %1, grün %2, blau %3", "red %1, green %2, blue %3")
            .arg(colour.red())
            .arg(colour.green())
            .arg(colour.blue());
    };
    boxa->setAccessibleDescription(
        pick("Fläche %1; Rahmen %2", "Field %1; frame %2").arg(spoken(workingBack), spoken(workingFrame)));
}

bool TOptionsDlg::ChooseColor(std::uint32_t& colorRef) {
    // The system's colour chooser is made for each choice, as a system dialog would be: it costs
    // more than the rest of the dialogs together, at start-up and kept between choices.
    // Guarded: a quiet end of the program may take the options down while the chooser is up.
    QPointer<QColorDialog> chooser = new QColorDialog(this);
    chooser->setObjectName(QStringLiteral("ColorDlg"));
    chooser->setOption(QColorDialog::DontUseNativeDialog);
    GuardInput(*chooser);
    chooser->setCurrentColor(ColorFromRef(colorRef));
    const bool accepted = chooser->exec() == QDialog::Accepted;
    if (!chooser) return false;
    const QColor chosen = chooser->selectedColor();
    delete chooser;
    if (!accepted) return false;
    if (!chosen.isValid()) return false;
    colorRef = ColorRefFromPixel(chosen.rgb());
    DescribePreview();
    boxa->repaint();
    return true;
}

void TOptionsDlg::ColorBtnBClick() {
    ChooseColor(workingBack);
}

void TOptionsDlg::ColorBtnFClick() {
    ChooseColor(workingFrame);
}

bool TOptionsDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == boxa && event->type() == QEvent::Paint) {
        Paint();
        return true;
    }
    return SmallDialog::eventFilter(watched, event);
}

void TOptionsDlg::Paint() {
    // The board's background with a frame as wide as the hint frames drawn on it.
    QPainter painter(boxa);
    painter.fillRect(QRect(0, 0, 61, 61), ColorFromRef(workingBack));
    QPen pen(ColorFromRef(workingFrame), 3);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(10.5, 10.5, 40, 40));
}

void TOptionsDlg::SoundCheckClick() {
    host.SetSoundOn(SoundCheck->isChecked());
}

void TOptionsDlg::OKBtnClick() {
    MoveSwitches chosen;
    chosen.slide = slideBox->isChecked();
    chosen.showMoves = showBox->isChecked();
    switches.Choose(chosen);
    host.SetColors(workingBack, workingFrame);
    host.ApplyTexts();
    done(ResultOk);
}
