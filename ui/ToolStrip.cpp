#include "ui/ToolStrip.h"

#include <QIcon>
#include <QPalette>
#include <QToolButton>

#include "platform/EmbeddedImage.h"
#include "platform/PixelArt.h"

ToolStrip::ToolStrip(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Panel1"));
    setAutoFillBackground(true);
    setPalette(QPalette(QPalette().color(QPalette::Button)));

    NewBtn = MakeButton("NewBtn", 4, 29, "btn_new", false);
    ResetBtn = MakeButton("ResetBtn", 36, 29, "btn_reset", true);
    MixBtn = MakeButton("MixBtn", 68, 29, "btn_mix", true);
    OptionsBtn = MakeButton("OptionsBtn", 108, 29, "btn_options", true);
    StatisticBtn = MakeButton("StatisticBtn", 140, 29, "btn_statistic", true);
    ExitBtn = MakeButton("ExitBtn", 180, 29, "btn_exit", false);
    TongueBtn = MakeButton("TongueBtn", 586, 27, "btn_tongue", false);
    HelpBtn = MakeButton("HelpBtn", 616, 29, "btn_help", false);
    InfoBtn = MakeButton("InfoBtn", 648, 29, "btn_info", false);
    // The reshuffle button keeps one tooltip in both languages.
    MixBtn->setToolTip(QStringLiteral("Neu auslegen"));

    connect(NewBtn, &QToolButton::clicked, this, &ToolStrip::newDeal);
    connect(ResetBtn, &QToolButton::clicked, this, &ToolStrip::replay);
    connect(MixBtn, &QToolButton::clicked, this, &ToolStrip::reshuffle);
    connect(OptionsBtn, &QToolButton::clicked, this, &ToolStrip::options);
    connect(StatisticBtn, &QToolButton::clicked, this, &ToolStrip::statistics);
    connect(ExitBtn, &QToolButton::clicked, this, &ToolStrip::quit);
    connect(TongueBtn, &QToolButton::clicked, this, &ToolStrip::language);
    connect(HelpBtn, &QToolButton::clicked, this, &ToolStrip::help);
    connect(InfoBtn, &QToolButton::clicked, this, &ToolStrip::about);
}

QToolButton* ToolStrip::MakeButton(const char* name, int x, int width, const char* image, bool withDisabled) {
    auto* button = new QToolButton(this);
    button->setObjectName(QLatin1String(name));
    button->setAutoRaise(true);
    button->setGeometry(x, 4, width, 29);
    button->setFocusPolicy(Qt::NoFocus);
    const QPixmap normal = ReadEmbeddedPixmap(QStringLiteral(":/ui/%1.png").arg(QLatin1String(image)));
    const QPixmap disabled =
        withDisabled ? ReadEmbeddedPixmap(QStringLiteral(":/ui/%1_disabled.png").arg(QLatin1String(image))) : QPixmap();
    button->setIcon(CrispIcon(normal, disabled));
    if (!normal.isNull()) button->setIconSize(normal.size());
    return button;
}

QAbstractButton* ToolStrip::Button(Command command) const {
    switch (command) {
        case Command::NewDeal: return NewBtn;
        case Command::Replay: return ResetBtn;
        case Command::Reshuffle: return MixBtn;
        case Command::Options: return OptionsBtn;
        case Command::Statistics: return StatisticBtn;
        case Command::Quit: return ExitBtn;
        case Command::Language: return TongueBtn;
        case Command::Help: return HelpBtn;
        case Command::About: return InfoBtn;
    }
    return nullptr;
}

void ToolStrip::ApplyTexts(Language language) {
    auto set = [language](QWidget* control, const char* german, const char* english) {
        control->setToolTip(Pick(language, QString::fromUtf8(german), QString::fromUtf8(english)));
    };
    set(NewBtn, "Ich möchte die Karten neu mischen.", "I want to reshuffle the cards.");
    set(ResetBtn, "Ich möchte es mit der gleichen Auslage nochmals probieren.", "I want to try again with the same hand.");
    set(InfoBtn, "Wer hat dieses Spiel nur verbrochen?", "Who programmed this torvik game?");
    set(ExitBtn, "Ich hab genug!", "I've got enough...");
    set(HelpBtn, "Worum geht's da eigentlich?", "What is the idea of the game?");
    set(OptionsBtn, "Ich möcht etwas verändern.", "I want to change the configuration.");
    set(StatisticBtn, "Wie gut war ich bisher.", "How well have I done up to now.");
    set(TongueBtn, "Sprache", "Language");
}

void ToolStrip::SetReshuffleEnabled(bool enabled) {
    MixBtn->setEnabled(enabled);
}

void ToolStrip::SetScorePicture(const QPixmap& picture) {
    StatisticBtn->setIcon(CrispIcon(picture));
    if (!picture.isNull()) StatisticBtn->setIconSize(picture.size());
}
