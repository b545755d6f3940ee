#pragma once

#include <cstdint>
#include <optional>

#include "base/Language.h"
#include "ui/SmallDialog.h"

class GameRecord;
class HistoryModel;
class QComboBox;
class QLabel;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;
class WinRateChart;

// The player's record: every counted deal in a table, newest first, sortable by any column and
// filtered by result; the streak, the best and worst times and the win rate of all deals and of
// the last hundred; the win rate over time as a chart; the chosen deal played again; the rows
// saved as comma-separated values. Read afresh from the record at every showing.
class HistoryWindow : public SmallDialog {
    Q_OBJECT

public:
    // The result when the player asked to play the chosen deal again.
    static constexpr int ResultPlay = 100;
    // The deals the rolling win rate of the chart averages over.
    static constexpr int ChartWindow = 20;

    HistoryWindow(QWidget* mainWindow, const Language& language, GameRecord& record);

    // The deal of the selected row.
    std::optional<std::uint32_t> ChosenDeal() const;
    // Writes the rows the table shows, in its order, to a file; false when it could not.
    bool ExportTo(const QString& path);

protected:
    void FormActivate() override;

private:
    // The parts of the constructor: the table of deals, the layout, the signals.
    void MakeTable();
    void LayOut();
    void Connect();
    void ApplyTexts();
    void Reload();
    void Filter();
    void ShowFigures();
    void Export();

    const Language& currentLanguage;
    GameRecord& record;
    HistoryModel* model;
    QSortFilterProxyModel* sorted;
    QLabel* FilterLabel;
    QComboBox* FilterBox;
    QLabel* FiguresLabel;
    WinRateChart* Chart;
    QTableView* Table;
    QLabel* NoteLabel;
    QPushButton* PlayBtn;
    QPushButton* ExportBtn;
    QPushButton* CloseBtn;
};
