#include "ui/HistoryModel.h"

#include <QDateTime>
#include <QLocale>
#include <algorithm>

HistoryModel::HistoryModel(const Language& currentLanguage, QObject* parent)
    : QAbstractTableModel(parent), language(currentLanguage) {}

void HistoryModel::SetRows(std::vector<RecordRow> newRows) {
    beginResetModel();
    rows = std::move(newRows);
    endResetModel();
}

int HistoryModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows.size());
}

int HistoryModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QString HistoryModel::ResultText(DealResult result, Language language) {
    switch (result) {
        case DealResult::Won:
            return Pick(language, QStringLiteral("gewonnen"), QStringLiteral("won"));
        case DealResult::Lost:
            return Pick(language, QStringLiteral("verloren"), QStringLiteral("lost"));
        case DealResult::GivenUp:
            return Pick(language, QStringLiteral("aufgegeben"), QStringLiteral("given up"));
        case DealResult::Quit:
            return Pick(language, QStringLiteral("beim Beenden"), QStringLiteral("at quit"));
        case DealResult::QuietEnd:
            return Pick(language, QStringLiteral("beim Abmelden"), QStringLiteral("at logout"));
    }
    return {};
}

QString HistoryModel::Duration(std::int64_t ms) {
    const std::int64_t seconds = std::max<std::int64_t>(0, ms) / 1000;
    if (seconds >= 3600) {
        return QStringLiteral("%1:%2:%3")
            .arg(seconds / 3600)
            .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
            .arg(seconds % 60, 2, 10, QLatin1Char('0'));
    }
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QVariant HistoryModel::Display(const RecordRow& row, int column) const {
    switch (column) {
        case Deal:
            return QString::number(row.deal);
        case Started: {
            const QLocale locale(language == Language::German ? QLocale::German : QLocale::English);
            return locale.toString(QDateTime::fromMSecsSinceEpoch(row.startedMs), QLocale::ShortFormat);
        }
        case Time:
            return Duration(row.endedMs - row.startedMs);
        case Result:
            return ResultText(row.result, language);
        case Reshuffles:
            return row.reshuffles;
        case Moves:
            return row.moves;
        case Undos:
            return row.undos;
        case Hints:
            return row.hints;
        case Tongue:
            return row.language;
        default:
            return {};
    }
}

QVariant HistoryModel::SortValue(const RecordRow& row, int column) {
    switch (column) {
        case Deal:
            return static_cast<qulonglong>(row.deal);
        case Started:
            return static_cast<qlonglong>(row.startedMs);
        case Time:
            return static_cast<qlonglong>(row.endedMs - row.startedMs);
        case Result:
            return static_cast<int>(row.result);
        case Reshuffles:
            return row.reshuffles;
        case Moves:
            return row.moves;
        case Undos:
            return row.undos;
        case Hints:
            return row.hints;
        case Tongue:
            return row.language;
        default:
            return {};
    }
}

QVariant HistoryModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const RecordRow& row = rows[static_cast<std::size_t>(index.row())];
    switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            return Display(row, index.column());
        case SortRole:
            return SortValue(row, index.column());
        case ResultRole: {
            const std::string_view name = ResultName(row.result);
            return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
        }
        case Qt::TextAlignmentRole:
            return index.column() == Result || index.column() == Started || index.column() == Tongue
                       ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                       : QVariant(Qt::AlignRight | Qt::AlignVCenter);
        default:
            return {};
    }
}

QVariant HistoryModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
        case Deal:
            return Pick(language, QStringLiteral("Spiel"), QStringLiteral("Deal"));
        case Started:
            return Pick(language, QStringLiteral("Begonnen"), QStringLiteral("Started"));
        case Time:
            return Pick(language, QStringLiteral("Dauer"), QStringLiteral("Time"));
        case Result:
            return Pick(language, QStringLiteral("Ausgang"), QStringLiteral("Result"));
        case Reshuffles:
            return Pick(language, QStringLiteral("Gemischt"), QStringLiteral("Reshuffles"));
        case Moves:
            return Pick(language, QStringLiteral("Züge"), QStringLiteral("Moves"));
        case Undos:
            return Pick(language, QStringLiteral("Zurück"), QStringLiteral("Undos"));
        case Hints:
            return Pick(language, QStringLiteral("Tipps"), QStringLiteral("Hints"));
        case Tongue:
            return Pick(language, QStringLiteral("Sprache"), QStringLiteral("Language"));
        default:
            return {};
    }
}
