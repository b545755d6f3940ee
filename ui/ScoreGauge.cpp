#include "ui/ScoreGauge.h"

#include <QPainter>

#include <algorithm>

ScoreGauge::ScoreGauge(QWidget* parent) : QWidget(parent) {}

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
    painter.fillRect(inner, QColor(255, 0, 0));
    const int filled = inner.width() * progress / 100;
    painter.fillRect(QRect(inner.left(), inner.top(), filled, inner.height()), QColor(0, 255, 0));
}
