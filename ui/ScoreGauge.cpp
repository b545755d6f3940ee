#include "ui/ScoreGauge.h"

#include <QPainter>
#include <algorithm>

namespace {
const QColor fillColour(0, 255, 0);
const QColor restColour(255, 0, 0);
}  // namespace

ScoreGauge::ScoreGauge(QWidget* parent, bool showsValueToo) : QWidget(parent), showsValue(showsValueToo) {}

void ScoreGauge::SetProgress(int percent) {
    percent = std::clamp(percent, 0, 100);
    if (percent == progress) return;
    progress = percent;
    update();
}

void ScoreGauge::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect inner = rect().adjusted(1, 1, -1, -1);
    painter.fillRect(rect(), Qt::black);
    const int filled = inner.width() * progress / 100;
    const QRect filledPart(inner.left(), inner.top(), filled, inner.height());
    const QRect restPart(inner.left() + filled, inner.top(), inner.width() - filled, inner.height());
    painter.fillRect(filledPart, fillColour);
    painter.fillRect(restPart, restColour);
    if (!showsValue) return;

    // The text is drawn twice, each time clipped to one part of the bar and in the other part's
    // colour.
    const QString text = QStringLiteral("%1%").arg(progress);
    // Crisp bold pixels: a blended edge would be neither colour, and a thin stroke in two such
    // bright colours is hard to read.
    QFont crisp = font();
    crisp.setStyleStrategy(QFont::NoAntialias);
    crisp.setBold(true);
    painter.setFont(crisp);
    painter.setClipRect(filledPart);
    painter.setPen(restColour);
    painter.drawText(inner, Qt::AlignCenter, text);
    painter.setClipRect(restPart);
    painter.setPen(fillColour);
    painter.drawText(inner, Qt::AlignCenter, text);
}
