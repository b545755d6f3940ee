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
    ApplyAccessibleTexts(Language::Unset);

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
        withDisabled ? ReadEmbeddedPixmap(QStringLiteral(":/ui/%1_disabled.png").arg(QLatin1String(image)))
                     : QPixmap();
    button->setIcon(CrispIcon(normal, disabled));
    if (!normal.isNull()) button->setIconSize(normal.size());
    return button;
}

QAbstractButton* ToolStrip::Button(Command command) const {
    switch (command) {
        case Command::NewDeal:
            return NewBtn;
        case Command::Replay:
            return ResetBtn;
        case Command::Reshuffle:
            return MixBtn;
        case Command::Options:
            return OptionsBtn;
        case Command::Statistics:
            return StatisticBtn;
        case Command::Quit:
            return ExitBtn;
        case Command::Language:
            return TongueBtn;
        case Command::Help:
            return HelpBtn;
        case Command::About:
            return InfoBtn;
    }
    return nullptr;
}

void ToolStrip::ApplyTexts(Language language) {
    auto set = [language](QWidget* control, const char* german, const char* english) {
        control->setToolTip(Pick(language, QString::fromUtf8(german), QString::fromUtf8(english)));
    };
    set(NewBtn, "Ich möchte die Karten neu mischen.", "I want to reshuffle the cards.");
    set(ResetBtn, "Ich möchte es mit der gleichen Auslage nochmals probieren.",
        "I want to try again with the same hand.");
    set(InfoBtn, "Wer hat dieses Spiel nur verbrochen?", "Who programmed this torvik game?");
    set(ExitBtn, "Ich hab genug!", "I've got enough...");
    set(HelpBtn, "Worum geht's da eigentlich?", "What is the idea of the game?");
    set(OptionsBtn, "Ich möcht etwas verändern.", "I want to change the configuration.");
    set(StatisticBtn, "Wie gut war ich bisher.", "How well have I done up to now.");
    set(TongueBtn, "Sprache", "Language");
    ApplyAccessibleTexts(language);
}

void ToolStrip::ApplyAccessibleTexts(Language language) {
    // The tooltips stay as they are; a screen reader gets a short name and, as the description,
    // what the button does and its key, both in the current language.
    struct Texts {
        QToolButton* button;
        const char* germanName;
        const char* englishName;
        const char* germanWhat;
        const char* englishWhat;
        const char* key;
    };
    const Texts texts[] = {
        {NewBtn, "Neues Spiel", "New deal", "Die Karten neu mischen und austeilen",
         "Shuffle and deal the cards anew", "F2"},
        {ResetBtn, "Gleiches Spiel nochmals", "Replay this deal", "Die gleiche Auslage nochmals probieren",
         "Try again with the same deal", "Ctrl+R"},
        {MixBtn, "Neu auslegen", "Reshuffle", "Die nicht gelegten Karten neu auslegen",
         "Lay the cards not yet in order out anew", "Ctrl+M"},
        {OptionsBtn, "Einstellungen", "Options", "Farben, Ton und Züge einstellen",
         "Colours, sound and moves", "Ctrl+,"},
        {StatisticBtn, "Statistik", "Statistics", "Gewonnene und verlorene Spiele", "Games won and lost",
         "Ctrl+T"},
        {ExitBtn, "Beenden", "Quit", "Das Spiel beenden", "Leave the game", "Ctrl+Q"},
        {TongueBtn, "Sprache", "Language", "Deutsch oder Englisch", "German or English", "Ctrl+L"},
        {HelpBtn, "Hilfe", "Help", "Die Spielregeln und Tasten", "The rules of the game and its keys", "F1"},
        {InfoBtn, "Über das Spiel", "About", "Wer das Spiel gemacht hat", "Who made the game", "Ctrl+I"},
    };
    for (const Texts& text : texts) {
        QString key = QString::fromLatin1(text.key);
        // German keyboards call the control key Strg.
        if (language == Language::German) key.replace(QLatin1String("Ctrl+"), QLatin1String("Strg+"));
        text.button->setAccessibleName(
            Pick(language, QString::fromUtf8(text.germanName), QString::fromUtf8(text.englishName)));
        text.button->setAccessibleDescription(
            QStringLiteral("%1 (%2: %3)")
                .arg(Pick(language, QString::fromUtf8(text.germanWhat), QString::fromUtf8(text.englishWhat)),
                     Pick(language, QStringLiteral("Taste"), QStringLiteral("Key")), key));
    }
}

void ToolStrip::SetReshuffleEnabled(bool enabled) {
    MixBtn->setEnabled(enabled);
}

void ToolStrip::SetScorePicture(const QPixmap& picture) {
    StatisticBtn->setIcon(CrispIcon(picture));
    if (!picture.isNull()) StatisticBtn->setIconSize(picture.size());
}
