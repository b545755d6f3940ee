#include "ui/StatusStrip.h"

#include <QTimer>

namespace {

QString WordText(StatusStrip::RoundWord word, Language language) {
    switch (word) {
        case StatusStrip::RoundWord::Winnable:
            return Pick(language, QStringLiteral("zu gewinnen"), QStringLiteral("winnable"));
        case StatusStrip::RoundWord::NeedsReshuffle:
            return Pick(language, QStringLiteral("nur mit Mischen zu gewinnen"),
                        QStringLiteral("cannot be won without a reshuffle"));
        case StatusStrip::RoundWord::Lost:
            return Pick(language, QStringLiteral("verloren"), QStringLiteral("lost"));
        case StatusStrip::RoundWord::Unknown:
            break;
    }
    return Pick(language, QStringLiteral("noch offen"), QStringLiteral("not yet known"));
}

}  // namespace

StatusStrip::StatusStrip(QWidget* window, const Language& currentLanguage, Source facts)
    : QLabel(window), language(currentLanguage), source(std::move(facts)), ticker(new QTimer(this)) {
    setObjectName(QStringLiteral("StatusStrip"));
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::black);
    colours.setColor(QPalette::WindowText, QColor(0xd8, 0xd8, 0xd8));
    setPalette(colours);
    QFont small(QStringLiteral("Arial"));
    small.setPixelSize(11);
    setFont(small);
    setContentsMargins(6, 0, 6, 0);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setFocusPolicy(Qt::NoFocus);
    ticker->setInterval(500);
    connect(ticker, &QTimer::timeout, this, &StatusStrip::Refresh);
}

QString StatusStrip::Text(const Facts& facts, Language language) {
    if (!facts.inPlay)
        return Pick(language, QStringLiteral("Kein Spiel im Gang"), QStringLiteral("No deal in play"));
    const std::int64_t seconds = facts.elapsedMs / 1000;
    const QString time = QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
    const QString dot = QStringLiteral("  \u00b7  ");
    return Pick(language, QStringLiteral("Spiel %1"), QStringLiteral("Deal %1")).arg(facts.deal) + dot +
           Pick(language, QStringLiteral("Mischen übrig: %1"), QStringLiteral("reshuffles left: %1"))
               .arg(facts.reshufflesLeft) +
           dot + Pick(language, QStringLiteral("Züge: %1"), QStringLiteral("moves: %1")).arg(facts.moves) +
           dot + time + dot +
           Pick(language, QStringLiteral("Runde: %1"), QStringLiteral("round: %1"))
               .arg(WordText(facts.word, language));
}

void StatusStrip::Refresh() {
    const QString text = Text(source(), language);
    if (text != this->text()) setText(text);
    setAccessibleName(Pick(language, QStringLiteral("Statuszeile"), QStringLiteral("Status line")));
    setAccessibleDescription(text);
}

void StatusStrip::showEvent(QShowEvent* event) {
    QLabel::showEvent(event);
    Refresh();
    ticker->start();
}

void StatusStrip::hideEvent(QHideEvent* event) {
    ticker->stop();
    QLabel::hideEvent(event);
}
