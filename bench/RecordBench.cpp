#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "settings/GameRecord.h"
#include "ui/HistoryWindow.h"

namespace {

RecordRow Row(std::int64_t n) {
    RecordRow row;
    row.deal = static_cast<std::uint32_t>(n * 7919);
    row.startedMs = 1'700'000'000'000 + n * 600'000;
    row.endedMs = row.startedMs + 120'000 + n % 17 * 9'000;
    row.result = n % 3 == 0 ? DealResult::Won : DealResult::GivenUp;
    row.reshuffles = static_cast<int>(n % 3);
    row.moves = static_cast<int>(20 + n % 30);
    row.undos = static_cast<int>(n % 4);
    row.language = QStringLiteral("en");
    return row;
}

// The step that counts a deal writes its row: the file is open already, as after the first count.
void RecordResult(benchmark::State& state) {
    QTemporaryDir folder;
    GameRecord record(folder.filePath(QStringLiteral("record.sqlite")));
    record.Add(Row(0));
    std::int64_t n = 1;
    for (auto _ : state) benchmark::DoNotOptimize(record.Add(Row(n++)));
}
// Repeated, for the median the closing note quotes: a write that waits on the disk varies a lot.
BENCHMARK(RecordResult)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

QApplication& Application() {
    static int argc = 1;
    static char name[] = "tvdl_bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(argc, argv);
    return application;
}

// Ctrl+H with 10,000 deals in the record: the window made, read, laid out and drawn once.
void OpenHistory(benchmark::State& state) {
    QApplication& application = Application();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("record.sqlite"));
    {
        GameRecord record(path);
        record.Add(Row(0));
    }
    // The other rows in one step, as years of play would have left them.
    sqlite3* db = nullptr;
    sqlite3_open(QFile::encodeName(path).constData(), &db);
    const QByteArray fill =
        "INSERT INTO deals (deal, started, ended, result, reshuffles, moves, undos, hints, language) "
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
        QByteArray::number(state.range(0) - 1) +
        ") SELECT i * 7919, 1700000000000 + i * 600000, 1700000000000 + i * 600000 + 120000 + i % 17 * 9000, "
        "CASE WHEN i % 3 = 0 THEN 'won' ELSE 'given-up' END, i % 3, 20 + i % 30, i % 4, 0, 'en' FROM n";
    sqlite3_exec(db, fill.constData(), nullptr, nullptr, nullptr);
    sqlite3_close(db);
    QWidget main;
    const Language language = Language::English;
    for (auto _ : state) {
        GameRecord record(path);
        auto window = std::make_unique<HistoryWindow>(&main, language, record);
        window->show();
        window->grab();
        application.processEvents();
        window->hide();
    }
}
BENCHMARK(OpenHistory)->Arg(10'000)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
