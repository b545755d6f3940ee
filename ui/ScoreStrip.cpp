#include "ui/ScoreStrip.h"

#include <QLabel>

#include "base/Statistics.h"
#include "cards/TableGeometry.h"
#include "platform/EmbeddedImage.h"
#include "ui/ScoreGauge.h"

namespace {

QLabel* MakeCount(QWidget* parent, const char* name, QRect geometry, Qt::Alignment alignment, QColor color) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(16);
    label->setFont(font);
    label->setAlignment(alignment | Qt::AlignTop);
    label->setGeometry(geometry);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
    return label;
}

}  // namespace

ScoreStrip::ScoreStrip(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ScoreStrip"));
    setGeometry(Left, 0, 301, ToolStripHeight);
    won_label = MakeCount(this, "won_label", QRect(0, 7, 100, 20), Qt::AlignRight, QColor(0, 255, 0));
    gproz = new ScoreGauge(this);
    gproz->setObjectName(QStringLiteral("gproz"));
    gproz->setGeometry(328 - Left, 8, 89, 17);
    lost_label =
        MakeCount(this, "lost_label", QRect(424 - Left, 7, 100, 20), Qt::AlignLeft, QColor(255, 0, 0));

    for (const char* name : {"b100", "b80", "b60", "b40", "b20"}) {
        faces.insert(QLatin1String(name),
                     ReadEmbeddedPixmap(QStringLiteral(":/ui/face_%1.png").arg(QLatin1String(name))));
    }
}

QPixmap ScoreStrip::Show(const Statistics& statistics) {
    won_label->setText(QString::number(statistics.sinceStartWon));
    lost_label->setText(QString::number(statistics.sinceStartLost));
    const int percent = statistics.Percent();
    gproz->SetProgress(percent);
    Describe();
    return faces.value(QLatin1String(Statistics::FaceFor(percent)));
}

void ScoreStrip::ApplyTexts(Language language) {
    currentLanguage = language;
    won_label->setToolTip(Pick(language, QStringLiteral("Gewonnene Spiele"), QStringLiteral("Won games")));
    lost_label->setToolTip(Pick(language, QStringLiteral("Verlorenen Spiele"), QStringLiteral("Lost games")));
    Describe();
}

void ScoreStrip::Describe() {
    // A screen reader hears each count with what it counts, and the gauge as its percentage.
    const Language language = currentLanguage;
    won_label->setAccessibleName(
        Pick(language, QStringLiteral("Gewonnen: %1"), QStringLiteral("Won: %1")).arg(won_label->text()));
    lost_label->setAccessibleName(
        Pick(language, QStringLiteral("Verloren: %1"), QStringLiteral("Lost: %1")).arg(lost_label->text()));
    for (QLabel* count : {won_label, lost_label}) {
        count->setAccessibleDescription(
            Pick(language, QStringLiteral("Spiele seit dem Start"), QStringLiteral("Games since start-up")));
    }
    gproz->setAccessibleName(
        Pick(language, QStringLiteral("%1 % gewonnen"), QStringLiteral("%1 % won")).arg(gproz->Progress()));
    gproz->setAccessibleDescription(Pick(language,
                                         QStringLiteral("Anteil der gewonnenen Spiele seit dem Start"),
                                         QStringLiteral("Share of the games won since start-up")));
}
