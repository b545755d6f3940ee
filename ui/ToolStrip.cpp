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
    ApplyTexts(Language::Unset);

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

void ToolStrip::ApplyTexts(Language language) {
    // Each button's tooltip ends with its key; a screen reader gets a short name, the tooltip as
    // the description, both in the current language.
    struct Texts {
        QToolButton* button;
        const char* germanTip;
        const char* englishTip;
        const char* germanName;
        const char* englishName;
        const char* key;
    };
    const Texts texts[] = {
        {NewBtn, "Ich möchte die Karten neu mischen.", "I want to reshuffle the cards.", "Neues Spiel", "New deal", "F2"},
        {ResetBtn, "Ich möchte es mit der gleichen Auslage nochmals probieren.", "I want to try again with the same hand.",
         "Gleiches Spiel nochmals", "Replay this deal", "Ctrl+R"},
        // The reshuffle button keeps one tooltip in both languages.
        {MixBtn, "Neu auslegen", "Neu auslegen", "Neu auslegen", "Reshuffle", "Ctrl+M"},
        {OptionsBtn, "Ich möcht etwas verändern.", "I want to change the configuration.", "Einstellungen", "Options",
         "Ctrl+,"},
        {StatisticBtn, "Wie gut war ich bisher.", "How well have I done up to now.", "Statistik", "Statistics", "Ctrl+T"},
        {ExitBtn, "Ich hab genug!", "I've got enough...", "Beenden", "Quit", "Ctrl+Q"},
        {TongueBtn, "Sprache", "Language", "Sprache", "Language", "Ctrl+L"},
        {HelpBtn, "Worum geht's da eigentlich?", "What is the idea of the game?", "Hilfe", "Help", "F1"},
        {InfoBtn, "Wer hat dieses Spiel nur verbrochen?", "Who programmed this torvik game?", "Über das Spiel", "About",
         "Ctrl+I"},
    };
    for (const Texts& text : texts) {
        QString key = QString::fromLatin1(text.key);
        // German keyboards call the control key Strg; the reshuffle tooltip stays German throughout.
        if (language == Language::German || text.button == MixBtn) key.replace(QLatin1String("Ctrl+"), QLatin1String("Strg+"));
        const QString tip = Pick(language, QString::fromUtf8(text.germanTip), QString::fromUtf8(text.englishTip));
        text.button->setToolTip(QStringLiteral("%1 (%2)").arg(tip, key));
        text.button->setAccessibleName(Pick(language, QString::fromUtf8(text.germanName), QString::fromUtf8(text.englishName)));
        text.button->setAccessibleDescription(QStringLiteral("%1 (%2: %3)")
                                                  .arg(tip, Pick(language, QStringLiteral("Taste"), QStringLiteral("Key")), key));
    }
}

void ToolStrip::SetReshuffleEnabled(bool enabled) {
    MixBtn->setEnabled(enabled);
}

void ToolStrip::SetScorePicture(const QPixmap& picture) {
    StatisticBtn->setIcon(CrispIcon(picture));
    if (!picture.isNull()) StatisticBtn->setIconSize(picture.size());
}
