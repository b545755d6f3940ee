#pragma once

#include <QHash>
#include <QPixmap>
#include <QWidget>

#include "base/Language.h"

class QLabel;
class ScoreGauge;
struct Statistics;

// The score in the middle of the tool strip: deals won and lost since start-up around the
// win-percentage gauge. Its left edge lies at x 223 of the strip, so that the won count ends at
// x 323 and the lost count starts at x 424.
class ScoreStrip : public QWidget {
    Q_OBJECT

public:
    static constexpr int Left = 223;

    explicit ScoreStrip(QWidget* parent);

    // Shows the counts and the gauge, and gives the score picture that goes with them.
    QPixmap Show(const Statistics& statistics);
    void ApplyTexts(Language language);

private:
    // The names a screen reader reads, in the current language, with the counts shown.
    void Describe();

    Language currentLanguage = Language::Unset;
    QLabel* won_label;
    ScoreGauge* gproz;
    QLabel* lost_label;
    // The hidden score pictures b100, b80, b60, b40 and b20, by name.
    QHash<QString, QPixmap> faces;
};
