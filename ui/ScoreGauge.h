#pragma once

#include <QWidget>

// The win-percentage gauge: a lime bar on red in a black frame, 0..100.
class ScoreGauge : public QWidget {
    Q_OBJECT

public:
    explicit ScoreGauge(QWidget* parent);

    int Progress() const { return progress; }
    void SetProgress(int percent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int progress = 0;
};
