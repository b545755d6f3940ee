#pragma once

#include <QWidget>

// A win-percentage gauge, 0..100: lime filled from the left, red for the rest, a one-pixel black
// frame. It may print its value in the middle as "NN%", in the bar's colours swapped under the
// text, so the figure stays readable wherever the fill ends.
class ScoreGauge : public QWidget {
    Q_OBJECT

public:
    explicit ScoreGauge(QWidget* parent, bool showsValue = false);

    int Progress() const { return progress; }
    void SetProgress(int percent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int progress = 0;
    bool showsValue;
};
