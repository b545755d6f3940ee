#include "ui/BoardAccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>
#include <array>
#include <map>

#include "game/Board.h"

namespace {

constexpr int Cells = Board::Columns * Board::Rows;

// (German, English), by suit and by rank.
constexpr std::array<std::pair<const char*, const char*>, 4> SuitNames{
    {{"Kreuz", "clubs"}, {"Pik", "spades"}, {"Karo", "diamonds"}, {"Herz", "hearts"}}};
constexpr std::array<std::pair<const char*, const char*>, 13> RankNames{{{"Ass", "ace"},
                                                                         {"Zwei", "two"},
                                                                         {"Drei", "three"},
                                                                         {"Vier", "four"},
                                                                         {"Fünf", "five"},
                                                                         {"Sechs", "six"},
                                                                         {"Sieben", "seven"},
                                                                         {"Acht", "eight"},
                                                                         {"Neun", "nine"},
                                                                         {"Zehn", "ten"},
                                                                         {"Bube", "jack"},
                                                                         {"Dame", "queen"},
                                                                         {"König", "king"}}};

class BoardTable;

class BoardCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    BoardCell(const BoardTable& tableRef, int index) : owner(tableRef), cell(index) {}

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this)
                                                       : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return cell % Board::Columns; }
    int rowIndex() const override { return cell / Board::Columns; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

private:
    const BoardTable& owner;
    int cell;
};

// The board's view as a table. Cells are numbered row by row, as readers walk a table.
class BoardTable : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    BoardTable(QWidget* view, BoardAccessible& readerRef)
        : QAccessibleWidget(view, QAccessible::Table), reader(readerRef) {}

    ~BoardTable() override {
        for (const auto& [index, id] : cellIds) QAccessible::deleteAccessibleInterface(id);
    }

    BoardAccessible& Reader() const { return reader; }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return Pick(Language(), QStringLiteral("Spielfeld"), QStringLiteral("Board"));
        if (t == QAccessible::Description) {
            return Pick(Language(),
                        QStringLiteral("14 Spalten, 4 Reihen; die Pfeiltasten führen von Platz zu Platz."),
                        QStringLiteral("14 columns, 4 rows; the arrow keys move from place to place."));
        }
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return Cells; }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= Cells) return nullptr;
        auto found = cellIds.find(index);
        if (found != cellIds.end()) return QAccessible::accessibleInterface(found->second);
        auto* cell = new BoardCell(*this, index);
        cellIds[index] = QAccessible::registerAccessibleInterface(cell);
        return cell;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (const auto& [index, id] : cellIds) {
            if (QAccessible::accessibleInterface(id) == child) return index;
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint at = widget()->mapFromGlobal(QPoint(x, y));
        for (int index = 0; index < Cells; ++index) {
            if (CellRect(index).contains(at)) return child(index);
        }
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        for (int index = 0; index < Cells; ++index) {
            if (reader.HasCursor(index % Board::Columns, index / Board::Columns)) return child(index);
        }
        return nullptr;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // The place's outline in the view's coordinates.
    static QRect CellRect(int index) {
        const int column = index % Board::Columns;
        const int row = index / Board::Columns;
        return {PlaceLeft(column), PlaceTop(row), CardWidth, CardHeight};
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || row >= Board::Rows || column < 0 || column >= Board::Columns) return nullptr;
        return child(row * Board::Columns + column);
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override {
        return Pick(Language(), QStringLiteral("Spalte %1"), QStringLiteral("Column %1")).arg(column + 1);
    }
    QString rowDescription(int row) const override {
        return Pick(Language(), QStringLiteral("Reihe %1"), QStringLiteral("Row %1")).arg(row + 1);
    }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return Board::Columns; }
    int rowCount() const override { return Board::Rows; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    ::Language Language() const;

    BoardAccessible& reader;
    mutable std::map<int, QAccessible::Id> cellIds;
};

bool BoardCell::isValid() const {
    return owner.isValid();
}

QWindow* BoardCell::window() const {
    return owner.window();
}

QAccessibleInterface* BoardCell::parent() const {
    return const_cast<BoardTable*>(&owner);
}

QAccessibleInterface* BoardCell::table() const {
    return parent();
}

QString BoardCell::text(QAccessible::Text t) const {
    if (t == QAccessible::Name) return owner.Reader().CellName(columnIndex(), rowIndex());
    if (t == QAccessible::Description) return owner.Reader().CellDescription(columnIndex(), rowIndex());
    return {};
}

QRect BoardCell::rect() const {
    const QRect local = BoardTable::CellRect(cell);
    return {owner.Reader().View().mapToGlobal(local.topLeft()), local.size()};
}

QAccessible::State BoardCell::state() const {
    QAccessible::State state;
    state.focusable = true;
    state.focused = owner.Reader().HasCursor(columnIndex(), rowIndex());
    return state;
}

QAccessibleInterface* Factory(const QString& className, QObject* object) {
    if (className != QLatin1String("SurfaceView")) return nullptr;
    BoardAccessible* reader = BoardAccessible::Of(object);
    if (reader == nullptr) return nullptr;
    return new BoardTable(static_cast<QWidget*>(object), *reader);
}

}  // namespace

::Language BoardTable::Language() const {
    return Reader().CurrentLanguage();
}

BoardAccessible::BoardAccessible(QWidget& viewRef, const Board& boardRef, const Language& current)
    : QObject(&viewRef), view(viewRef), board(boardRef), language(current) {
    // Before any reader has asked about the view, or it would keep the plain widget's answer.
    QAccessible::installFactory(Factory);
}

BoardAccessible::~BoardAccessible() {
    QAccessible::removeFactory(Factory);
}

BoardAccessible* BoardAccessible::Of(const QObject* view) {
    return view != nullptr ? view->findChild<BoardAccessible*>(QString(), Qt::FindDirectChildrenOnly)
                           : nullptr;
}

QString BoardAccessible::CardName(int suit, int rank, Language language) {
    if (suit < 0 || suit > 3 || rank < 1 || rank > 13)
        return Pick(language, QString::fromUtf8("Lücke"), QStringLiteral("gap"));
    const auto& [germanSuit, englishSuit] = SuitNames[static_cast<std::size_t>(suit)];
    const auto& [germanRank, englishRank] = RankNames[static_cast<std::size_t>(rank - 1)];
    if (language == Language::German)
        return QStringLiteral("%1-%2").arg(QString::fromUtf8(germanSuit), QString::fromUtf8(germanRank));
    return QStringLiteral("%1 of %2").arg(QLatin1String(englishRank), QLatin1String(englishSuit));
}

QString BoardAccessible::CellName(int column, int row) const {
    const CardPile& place = board.Place(column, row);
    return CardName(place.TopSuit(), place.TopRank(), language);
}

QString BoardAccessible::CellDescription(int column, int row) const {
    return Pick(language, QStringLiteral("Spalte %1, Reihe %2"), QStringLiteral("column %1, row %2"))
        .arg(column + 1)
        .arg(row + 1);
}

void BoardAccessible::CursorMoved(int column, int row) {
    cursorColumn = column;
    cursorRow = row;
    if (!QAccessible::isActive()) return;
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&view);
    QAccessibleInterface* cell = table != nullptr ? table->child(row * Board::Columns + column) : nullptr;
    if (cell == nullptr) return;
    QAccessibleEvent event(cell, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}
