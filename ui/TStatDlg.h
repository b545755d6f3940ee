#pragma once

#include "base/Language.h"
#include "ui/SmallDialog.h"

class GlyphButton;
class QCheckBox;
class QFrame;
class QLabel;
class ScoreGauge;
class StatisticsModel;

// Shows the won and lost deals of this run and of all time, the longest runs and the two win
// percentages, and lets the player reset them.
class TStatDlg : public SmallDialog {
    Q_OBJECT

public:
    TStatDlg(QWidget* mainWindow, const Language& language, StatisticsModel& statistics);
    ~TStatDlg() override;

protected:
    void FormActivate() override;

private:
    void FormCreate();
    void ChangeMessages();
    void OKBtnClick();
    QLabel* MakeFigure(const char* name, int y, const QColor& colour);
    QLabel* MakeWord(const char* name, int y);

    const Language& currentLanguage;
    StatisticsModel& model;

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
