#pragma once

#include "game/Language.h"
#include "game/Statistics.h"
#include "settings/StatisticsRecord.h"
#include "ui/SmallDialog.h"

class GlyphButton;
class QCheckBox;
class QFrame;
class QLabel;
class ScoreGauge;
class SettingsStore;

// Shows the won and lost deals of this run and of all time, the longest runs and the two win
// percentages, and lets the player reset them. It keeps the counters for the whole run: the
// all-time ones come from the store when it is made, every counted game and every reset goes back
// at once, and anything left over when it is destroyed, so it must go before the store does.
class TStatDlg : public SmallDialog {
    Q_OBJECT

public:
    TStatDlg(QWidget* mainWindow, const Language& language, const SettingsStore& store);
    ~TStatDlg() override;

    ::Statistics& Stats() { return statistics; }
    // A game the statistics have just counted.
    void Counted() { record.Store(); }

protected:
    void FormActivate() override;

private:
    void FormCreate();
    void FormDestroy();
    void ChangeMessages();
    void OKBtnClick();
    QLabel* MakeFigure(const char* name, int y, const QColor& colour);
    QLabel* MakeWord(const char* name, int y);

    const Language& currentLanguage;
    ::Statistics statistics;
    StatisticsRecord record;

    QFrame* Panel4;
    QLabel* Label19;
    QLabel* won;
    QLabel* Label20;
    ScoreGauge* gthis;
    QLabel* lost;
    QLabel* Label23;
    QLabel* Label21;
    QLabel* twon;
    QLabel* Label22;
    ScoreGauge* gtotal;
    QLabel* tlost;
    QLabel* Label24;
    QLabel* Label1;
    QLabel* swon;
    QLabel* Label2;
    QLabel* slost;
    QLabel* Label3;
    QFrame* Panel3;
    QCheckBox* reset;
    QLabel* Image1;
    GlyphButton* CancelBtn;
    GlyphButton* OKBtn;
};
