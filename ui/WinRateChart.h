#pragma once

#include <QWidget>
#include <optional>
#include <vector>

#include "base/Language.h"

class QPainter;

// The win rate over the deals played, oldest on the left: a rolling average over the last few
// deals as a line, the rate of all of them as a dashed level, the half mark always drawn.
class WinRateChart : public QWidget {
    Q_OBJECT

public:
    WinRateChart(const Language& language, QWidget* parent);

    // Percentages, one a deal, oldest first; `overall` is the rate of them all.
    void SetRates(std::vector<double> rolling, std::optional<double> overall, int window);
    QSize sizeHint() const override { return {420, 150}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void DrawLegend(QPainter& painter, const QFontMetrics& metrics, const QRectF& plot, int count) const;
    QString Summary() const;

    const Language& language;
    std::vector<double> rates;
    std::optional<double> overall;
    int window = 0;
};
