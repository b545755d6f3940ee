#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "base/Language.h"
#include "settings/RecordRow.h"

// The record's rows as the history window's table shows them, newest first. The display role
// gives the texts; the sort role gives values that sort as numbers and times do.
class HistoryModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { Deal, Started, Time, Result, Reshuffles, Moves, Undos, Hints, Tongue, ColumnCount };
    static constexpr int SortRole = Qt::UserRole;
    // The stored name of the result, for the filter.
    static constexpr int ResultRole = Qt::UserRole + 1;

    HistoryModel(const Language& language, QObject* parent);

    void SetRows(std::vector<RecordRow> rows);
    const std::vector<RecordRow>& Rows() const { return rows; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    static QString ResultText(DealResult result, Language language);
    static QString Duration(std::int64_t ms);

private:
    QVariant Display(const RecordRow& row, int column) const;
    static QVariant SortValue(const RecordRow& row, int column);

    const Language& language;
    std::vector<RecordRow> rows;
};
