#include "ui/HistoryWindow.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSaveFile>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>
#include <span>

#include "settings/GameRecord.h"
#include "settings/RecordFigures.h"
#include "ui/HistoryModel.h"
#include "ui/WinRateChart.h"

namespace {

// The filter's choices: the stored result names each shows, as a pattern.
struct FilterChoice {
    const char* german;
    const char* english;
    const char* pattern;
};
constexpr FilterChoice FilterChoices[] = {
    {"Alle Spiele", "All deals", ""},
    {"Gewonnen", "Won", "^won$"},
    {"Nicht gewonnen", "Not won", "^(?!won$)"},
    {"Verloren", "Lost", "^lost$"},
    {"Aufgegeben", "Given up", "^given-up$"},
    {"Beim Beenden oder Abmelden", "At quit or logout", "^(quit|quiet-end)$"},
};

constexpr int RecentDeals = 100;

}  // namespace

HistoryWindow::HistoryWindow(QWidget* mainWindow, const Language& language, GameRecord& gameRecord)
    : SmallDialog(mainWindow, Placement::WhereLeft), currentLanguage(language), record(gameRecord) {
    setObjectName(QStringLiteral("HistoryWindow"));
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    model = new HistoryModel(language, this);
    sorted = new QSortFilterProxyModel(this);
    sorted->setSourceModel(model);
    sorted->setSortRole(HistoryModel::SortRole);
    sorted->setFilterRole(HistoryModel::ResultRole);
    sorted->setFilterKeyColumn(HistoryModel::Result);

    FilterLabel = new QLabel(this);
    FilterBox = new QComboBox(this);
    FilterBox->setObjectName(QStringLiteral("FilterBox"));
    for (const FilterChoice& choice : FilterChoices)
        FilterBox->addItem(QString(), QString::fromLatin1(choice.pattern));
    FilterLabel->setBuddy(FilterBox);
    FiguresLabel = new QLabel(this);
    FiguresLabel->setObjectName(QStringLiteral("FiguresLabel"));
    FiguresLabel->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    FiguresLabel->setFocusPolicy(Qt::TabFocus);
    Chart = new WinRateChart(language, this);

    MakeTable();
    NoteLabel = new QLabel(this);
    NoteLabel->setObjectName(QStringLiteral("NoteLabel"));

    PlayBtn = new QPushButton(this);
    PlayBtn->setObjectName(QStringLiteral("PlayBtn"));
    PlayBtn->setDefault(true);
    ExportBtn = new QPushButton(this);
    ExportBtn->setObjectName(QStringLiteral("ExportBtn"));
    ExportBtn->setAutoDefault(false);
    CloseBtn = new QPushButton(this);
    CloseBtn->setObjectName(QStringLiteral("CloseBtn"));
    CloseBtn->setAutoDefault(false);

    LayOut();
    Connect();
}

void HistoryWindow::MakeTable() {
    Table = new QTableView(this);
    Table->setObjectName(QStringLiteral("HistoryTable"));
    Table->setModel(sorted);
    Table->setSortingEnabled(true);
    Table->sortByColumn(HistoryModel::Started, Qt::DescendingOrder);
    Table->setSelectionBehavior(QAbstractItemView::SelectRows);
    Table->setSelectionMode(QAbstractItemView::SingleSelection);
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table->setTabKeyNavigation(false);
    Table->setAlternatingRowColors(true);
    Table->verticalHeader()->hide();
    Table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    Table->horizontalHeader()->setStretchLastSection(true);
}

void HistoryWindow::LayOut() {
    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(FilterLabel);
    filterRow->addWidget(FilterBox);
    filterRow->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(NoteLabel, 1);
    buttons->addWidget(PlayBtn);
    buttons->addWidget(ExportBtn);
    buttons->addWidget(CloseBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FiguresLabel);
    layout->addWidget(Chart, 2);
    layout->addLayout(filterRow);
    layout->addWidget(Table, 3);
    layout->addLayout(buttons);
    resize(780, 580);
}

void HistoryWindow::Connect() {
    connect(FilterBox, &QComboBox::currentIndexChanged, this, &HistoryWindow::Filter);
    connect(Table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { PlayBtn->setEnabled(ChosenDeal().has_value()); });
    connect(Table, &QTableView::activated, this, [this] {
        if (ChosenDeal()) done(ResultPlay);
    });
    connect(PlayBtn, &QPushButton::clicked, this, [this] {
        if (ChosenDeal()) done(ResultPlay);
    });
    connect(ExportBtn, &QPushButton::clicked, this, &HistoryWindow::Export);
    connect(CloseBtn, &QPushButton::clicked, this, [this] { done(ResultCancel); });
    SetCancelButton(CloseBtn);
    SetInitialFocus(Table);
    setTabOrder(FiguresLabel, Chart);
    setTabOrder(Chart, FilterBox);
    setTabOrder(FilterBox, Table);
    setTabOrder(Table, PlayBtn);
    setTabOrder(PlayBtn, ExportBtn);
    setTabOrder(ExportBtn, CloseBtn);
}

std::optional<std::uint32_t> HistoryWindow::ChosenDeal() const {
    const QModelIndexList chosen = Table->selectionModel()->selectedRows(HistoryModel::Deal);
    if (chosen.isEmpty()) return std::nullopt;
    const QModelIndex source = sorted->mapToSource(chosen.front());
    return model->Rows()[static_cast<std::size_t>(source.row())].deal;
}

void HistoryWindow::FormActivate() {
    ApplyTexts();
    Reload();
}

void HistoryWindow::ApplyTexts() {
    const Language language = currentLanguage;
    setWindowTitle(Pick(language, QStringLiteral("Torvik Vandrel - Deine Spiele"),
                        QStringLiteral("Torvik Vandrel - Your deals")));
    setAccessibleName(Pick(language, QStringLiteral("Deine Spiele"), QStringLiteral("Your deals")));
    FilterLabel->setText(Pick(language, QStringLiteral("&Zeigen:"), QStringLiteral("&Show:")));
    for (int i = 0; i < FilterBox->count(); ++i) {
        const FilterChoice& choice = FilterChoices[i];
        FilterBox->setItemText(
            i, Pick(language, QString::fromUtf8(choice.german), QString::fromUtf8(choice.english)));
    }
    FilterBox->setAccessibleName(
        Pick(language, QStringLiteral("Spiele zeigen"), QStringLiteral("Show deals")));
    Table->setAccessibleName(Pick(language, QStringLiteral("Liste der Spiele, die neuesten zuerst"),
                                  QStringLiteral("List of deals, newest first")));
    FiguresLabel->setAccessibleName(Pick(language, QStringLiteral("Zahlen"), QStringLiteral("Figures")));
    PlayBtn->setText(
        Pick(language, QStringLiteral("Dieses Spiel &nochmal"), QStringLiteral("&Play this deal again")));
    ExportBtn->setText(
        Pick(language, QStringLiteral("Als &CSV speichern..."), QStringLiteral("Save &as CSV...")));
    CloseBtn->setText(Pick(language, QStringLiteral("&Schließen"), QStringLiteral("&Close")));
    NoteLabel->clear();
}

void HistoryWindow::Reload() {
    model->SetRows(record.Rows());
    Filter();
    ShowFigures();
    Table->resizeColumnsToContents();
    if (sorted->rowCount() > 0) Table->selectRow(0);
    PlayBtn->setEnabled(ChosenDeal().has_value());
}

void HistoryWindow::Filter() {
    sorted->setFilterRegularExpression(FilterBox->currentData().toString());
}

void HistoryWindow::ShowFigures() {
    const Language language = currentLanguage;
    const std::vector<RecordRow>& rows = model->Rows();
    const std::span<const RecordRow> all(rows);
    const QLocale locale(language == Language::German ? QLocale::German : QLocale::English);
    const auto line = [language, &locale](const QString& german, const QString& english,
                                          const RecordFigures& figures) {
        const QString which = Pick(language, german, english);
        if (figures.deals == 0)
            return which +
                   Pick(language, QStringLiteral(": noch keine Spiele"), QStringLiteral(": no deals yet"));
        const QString none = QStringLiteral("\u2013");
        const QString streak =
            figures.streak > 0
                ? Pick(language, QStringLiteral("%1 gewonnen"), QStringLiteral("%1 won")).arg(figures.streak)
                : Pick(language, QStringLiteral("%1 nicht gewonnen"), QStringLiteral("%1 not won"))
                      .arg(-figures.streak);
        return which + Pick(language,
                            QStringLiteral(" \u2013 Spiele: %1, gewonnen: %2 %, Serie: %3, schnellster Sieg: "
                                           "%4, langsamster Sieg: %5"),
                            QStringLiteral(
                                " \u2013 deals: %1, won: %2 %, streak: %3, fastest win: %4, slowest win: %5"))
                           .arg(figures.deals)
                           .arg(locale.toString(figures.WinRate().value_or(0), 'f', 1), streak,
                                figures.bestMs ? HistoryModel::Duration(*figures.bestMs) : none,
                                figures.worstMs ? HistoryModel::Duration(*figures.worstMs) : none);
    };
    const RecordFigures overall = RecordFigures::Of(all);
    const RecordFigures recent =
        RecordFigures::Of(all.first(std::min<std::size_t>(rows.size(), RecentDeals)));
    const QString text = line(QStringLiteral("Alle"), QStringLiteral("All"), overall) + QLatin1Char('\n') +
                         line(QStringLiteral("Letzte 100"), QStringLiteral("Last 100"), recent);
    FiguresLabel->setText(text);
    FiguresLabel->setAccessibleDescription(text);
    Chart->SetRates(RecordFigures::RollingWinRate(all, ChartWindow), overall.WinRate(), ChartWindow);
}

bool HistoryWindow::ExportTo(const QString& path) {
    std::vector<RecordRow> shown;
    shown.reserve(static_cast<std::size_t>(sorted->rowCount()));
    for (int i = 0; i < sorted->rowCount(); ++i) {
        shown.push_back(
            model->Rows()[static_cast<std::size_t>(sorted->mapToSource(sorted->index(i, 0)).row())]);
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(RecordFigures::Csv(shown).toUtf8());
    return file.commit();
}

void HistoryWindow::Export() {
    const Language language = currentLanguage;
    const QString path = QFileDialog::getSaveFileName(
        this, Pick(language, QStringLiteral("Spiele speichern"), QStringLiteral("Save deals")),
        QDir::home().filePath(QStringLiteral("torvik-vandrel-deals.csv")), QStringLiteral("CSV (*.csv)"));
    if (path.isEmpty()) return;
    NoteLabel->setText(ExportTo(path)
                           ? Pick(language, QStringLiteral("Gespeichert."), QStringLiteral("Saved."))
                           : Pick(language, QStringLiteral("Konnte nicht gespeichert werden."),
                                  QStringLiteral("Could not be saved.")));
}
