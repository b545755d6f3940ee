#include "ui/WinRateChart.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

WinRateChart::WinRateChart(const Language& currentLanguage, QWidget* parent)
    : QWidget(parent), language(currentLanguage) {
    setObjectName(QStringLiteral("WinRateChart"));
    setMinimumSize(240, 110);
    // Read out by a screen reader as the sentence a sighted player takes from the line.
    setFocusPolicy(Qt::TabFocus);
}

void WinRateChart::SetRates(std::vector<double> rolling, std::optional<double> allRate, int lastDeals) {
    rates = std::move(rolling);
    overall = allRate;
    window = lastDeals;
    setAccessibleName(
        Pick(language, QStringLiteral("Gewinnquote im Verlauf"), QStringLiteral("Win rate over time")));
    setAccessibleDescription(Summary());
    setToolTip(Summary());
    update();
}

QString WinRateChart::Summary() const {
    if (rates.empty())
        return Pick(language, QStringLiteral("Noch keine Spiele."), QStringLiteral("No deals yet."));
    const auto percent = [](double value) { return QString::number(std::lround(value)) + QLatin1Char('%'); };
    return Pick(language,
                QStringLiteral("Gewinnquote der letzten %1 Spiele: zuletzt %2, am Anfang %3, über alle %4."),
                QStringLiteral("Win rate over the last %1 deals: now %2, at first %3, over all %4."))
        .arg(window)
        .arg(percent(rates.back()), percent(rates.front()), percent(overall.value_or(0)));
}

void WinRateChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::white);
    QFont small = font();
    small.setPixelSize(10);
    painter.setFont(small);
    const QFontMetrics metrics(small);
    const int left = metrics.horizontalAdvance(QStringLiteral("100%")) + 8;
    const QRectF plot(left, 8, width() - left - 10, height() - 8 - metrics.height() - 8);
    const auto yOf = [&plot](double percent) { return plot.bottom() - plot.height() * percent / 100.0; };

    for (const int mark : {0, 25, 50, 75, 100}) {
        painter.setPen(QPen(mark == 50 ? QColor(0x90, 0x90, 0x90) : QColor(0xdd, 0xdd, 0xdd), 1));
        painter.drawLine(QPointF(plot.left(), yOf(mark)), QPointF(plot.right(), yOf(mark)));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, yOf(mark) - metrics.height() / 2.0, left - 4, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("%1%").arg(mark));
    }
    painter.setPen(Qt::black);
    if (rates.empty()) {
        painter.drawText(plot, Qt::AlignCenter, Summary());
        return;
    }
    const int count = static_cast<int>(rates.size());
    const auto xOf = [&](int i) {
        return count == 1 ? plot.center().x() : plot.left() + plot.width() * i / (count - 1);
    };
    DrawLegend(painter, metrics, plot, count);

    if (overall) {
        painter.setPen(QPen(QColor(0xc0, 0x20, 0x20), 1.5, Qt::DashLine));
        painter.drawLine(QPointF(plot.left(), yOf(*overall)), QPointF(plot.right(), yOf(*overall)));
    }
    // Thousands of deals on a few hundred pixels: one point a pixel column is enough.
    QPainterPath line;
    const int step = std::max(1, count / std::max(1, static_cast<int>(plot.width())));
    line.moveTo(xOf(0), yOf(rates.front()));
    for (int i = step; i < count; i += step) line.lineTo(xOf(i), yOf(rates[static_cast<std::size_t>(i)]));
    line.lineTo(xOf(count - 1), yOf(rates.back()));
    painter.setPen(QPen(QColor(0x00, 0x70, 0x00), 2));
    painter.drawPath(line);
    if (count == 1) painter.drawEllipse(QPointF(xOf(0), yOf(rates.front())), 3, 3);
}

// Under the plot: the first and the last deal, and what the two lines are.
void WinRateChart::DrawLegend(QPainter& painter, const QFontMetrics& metrics, const QRectF& plot,
                              int count) const {
    const QRectF under(plot.left(), plot.bottom() + 4, plot.width(), metrics.height());
    painter.drawText(under, Qt::AlignLeft, QStringLiteral("1"));
    painter.drawText(under, Qt::AlignRight, QString::number(count));
    const QString rolling =
        Pick(language, QStringLiteral("je %1 Spiele"), QStringLiteral("%1 deals at a time")).arg(window);
    const QString all = Pick(language, QStringLiteral("alle Spiele"), QStringLiteral("all deals"));
    const int legendWidth =
        24 + metrics.horizontalAdvance(rolling) + 16 + 24 + metrics.horizontalAdvance(all);
    const qreal legendX = plot.center().x() - legendWidth / 2.0;
    const qreal legendY = under.center().y();
    painter.setPen(QPen(QColor(0x00, 0x70, 0x00), 2));
    painter.drawLine(QPointF(legendX, legendY), QPointF(legendX + 20, legendY));
    painter.setPen(QPen(QColor(0xc0, 0x20, 0x20), 1.5, Qt::DashLine));
    painter.drawLine(QPointF(legendX + 40 + metrics.horizontalAdvance(rolling), legendY),
                     QPointF(legendX + 60 + metrics.horizontalAdvance(rolling), legendY));
    painter.setPen(Qt::black);
    painter.drawText(QPointF(legendX + 24, under.top() + metrics.ascent()), rolling);
    painter.drawText(
        QPointF(legendX + 64 + metrics.horizontalAdvance(rolling), under.top() + metrics.ascent()), all);
}
