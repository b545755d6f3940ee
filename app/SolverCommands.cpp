#include "app/SolverCommands.h"

#include <QStringList>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "app/CsvFile.h"
#include "game/DealPrinter.h"
#include "solver/HeadlessGame.h"

QString SolveText(std::uint32_t deal, const FairPlayer::Options& options) {
    HeadlessGame game(deal);
    const FairPlayer::Outcome outcome = FairPlayer(options).Play(game);
    QString text;
    for (const FairPlayer::Step& step : outcome.steps) {
        if (step.reshuffle) {
            text += QStringLiteral("reshuffle\n");
        } else {
            text += QStringLiteral("%1 %2 %3\n")
                        .arg(CardToken(step.suit, step.rank))
                        .arg(step.move.toColumn)
                        .arg(step.move.toRow);
        }
    }
    text += outcome.won ? QStringLiteral("won\n") : QStringLiteral("lost\n");
    return text;
}

namespace {

struct DealRow {
    bool won = false;
    bool wonWithoutReshuffle = false;
    bool provenLostWithoutReshuffle = false;
    int reshuffles = 0;
    std::uint64_t positions = 0;
    double seconds = 0;
};

void Progress(std::FILE* err, std::uint64_t done, std::uint64_t total) {
    constexpr int Width = 40;
    const int filled = static_cast<int>(done * Width / total);
    std::fprintf(err, "\r[%s%s] %llu/%llu", std::string(static_cast<std::size_t>(filled), '#').c_str(),
                 std::string(static_cast<std::size_t>(Width - filled), '.').c_str(),
                 static_cast<unsigned long long>(done), static_cast<unsigned long long>(total));
    std::fflush(err);
}

QString Share(int count, std::uint64_t total) {
    return QStringLiteral("%1 % (%2 of %3)")
        .arg(100.0 * count / static_cast<double>(total), 0, 'f', 1)
        .arg(count)
        .arg(total);
}

// Plays every deal of the request on `threads` threads into its row, with a progress bar on err.
// Returns the seconds it took on the clock.
double PlayDeals(const TableRequest& request, unsigned threads, std::vector<DealRow>& rows, std::FILE* err) {
    const std::uint64_t total = rows.size();
    std::atomic<std::uint64_t> next{0};
    std::atomic<std::uint64_t> done{0};
    const auto started = std::chrono::steady_clock::now();
    {
        std::vector<std::jthread> workers;
        for (unsigned t = 0; t < threads; ++t) {
            workers.emplace_back([&] {
                for (std::uint64_t index = next++; index < total; index = next++) {
                    const auto dealStarted = std::chrono::steady_clock::now();
                    HeadlessGame game(static_cast<std::uint32_t>(request.first + index));
                    const FairPlayer::Outcome outcome = FairPlayer(request.player).Play(game);
                    DealRow& row = rows[static_cast<std::size_t>(index)];
                    row.won = outcome.won;
                    row.wonWithoutReshuffle = outcome.firstRound == SolveStatus::Solved;
                    row.provenLostWithoutReshuffle = outcome.firstRound == SolveStatus::NoSolution;
                    row.reshuffles = outcome.reshufflesUsed;
                    row.positions = outcome.positions;
                    row.seconds =
                        std::chrono::duration<double>(std::chrono::steady_clock::now() - dealStarted).count();
                    ++done;
                }
            });
        }
        for (std::uint64_t shown = ~std::uint64_t{0}; done.load() < total;) {
            if (done.load() != shown) Progress(err, shown = done.load(), total);
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
        }
    }
    Progress(err, total, total);
    std::fputc('\n', err);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
}

QByteArray TableText(std::uint32_t first, const std::vector<DealRow>& rows) {
    QByteArray table(
        "deal,won,won_without_reshuffle,proven_lost_without_reshuffle,reshuffles_used,positions\n");
    for (std::size_t index = 0; index < rows.size(); ++index) {
        const DealRow& row = rows[index];
        table += QStringLiteral("%1,%2,%3,%4,%5,%6\n")
                     .arg(first + index)
                     .arg(int{row.won})
                     .arg(int{row.wonWithoutReshuffle})
                     .arg(int{row.provenLostWithoutReshuffle})
                     .arg(row.reshuffles)
                     .arg(row.positions)
                     .toLatin1();
    }
    return table;
}

QByteArray SummaryText(const TableRequest& request, unsigned threads, const std::vector<DealRow>& rows,
                       double wall) {
    const std::uint64_t total = rows.size();
    int won = 0;
    int wonWithout = 0;
    int provenLost = 0;
    int reshuffles = 0;
    double seconds = 0;
    std::uint64_t positions = 0;
    for (const DealRow& row : rows) {
        won += row.won;
        wonWithout += row.wonWithoutReshuffle;
        provenLost += row.provenLostWithoutReshuffle;
        reshuffles += row.reshuffles;
        seconds += row.seconds;
        positions += row.positions;
    }
    const FairPlayer::Options& options = request.player;
    QStringList lines;
    QString limits = QStringLiteral("at most %1 positions").arg(options.maxPositions);
    if (options.timePerRound)
        limits +=
            QStringLiteral(" and %1 s").arg(static_cast<double>(options.timePerRound->count()) / 1000.0);
    lines << QStringLiteral("Deals %1 to %2, %3 of search per round, %4 threads")
                 .arg(request.first)
                 .arg(request.last)
                 .arg(limits)
                 .arg(threads);
    lines << QStringLiteral("Won by the fair player: %1").arg(Share(won, total));
    lines << QStringLiteral("Won without a reshuffle: %1").arg(Share(wonWithout, total));
    lines << QStringLiteral("Proven lost without a reshuffle: %1").arg(Share(provenLost, total));
    lines << QStringLiteral("Undecided without a reshuffle: %1")
                 .arg(Share(static_cast<int>(total) - wonWithout - provenLost, total));
    lines << QStringLiteral("Reshuffles used: %1 per deal")
                 .arg(reshuffles / static_cast<double>(total), 0, 'f', 2);
    lines << QStringLiteral("Positions searched: %1 per deal")
                 .arg(static_cast<double>(positions) / static_cast<double>(total), 0, 'f', 0);
    lines << QStringLiteral("Time per deal: %1 s of search; %2 s for all on the clock")
                 .arg(seconds / static_cast<double>(total), 0, 'f', 3)
                 .arg(wall, 0, 'f', 1);
    return (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toLocal8Bit();
}

}  // namespace

int RunWinnability(const TableRequest& request, std::FILE* out, std::FILE* err) {
    const std::uint64_t total = std::uint64_t{request.last} - request.first + 1;
    if (total > 10'000'000) {
        std::fputs("tvdl: at most 10000000 deals at once\n", err);
        return 2;
    }
    const QString& csvPath = request.csvPath;
    CsvFile csv(csvPath, out);
    const auto cannotWrite = [&] {
        std::fprintf(err, "tvdl: cannot write '%s': %s\n", csvPath.toLocal8Bit().constData(),
                     csv.Error().toLocal8Bit().constData());
        return 2;
    };
    if (!csvPath.isEmpty() && !csv.Probe()) return cannotWrite();

    const unsigned threads =
        request.threads != 0 ? request.threads : std::max(1u, std::thread::hardware_concurrency());
    std::vector<DealRow> rows(static_cast<std::size_t>(total));
    const double wall = PlayDeals(request, threads, rows, err);
    const QByteArray summary = SummaryText(request, threads, rows, wall);
    // Into our own output the rows come first, so that the summary is what a reader sees last;
    // into a file of their own they are written once the summary has been shown.
    const bool rowsFirst = !csvPath.isEmpty() && csv.IntoOutput();
    if (rowsFirst && !csv.Write(TableText(request.first, rows))) return cannotWrite();
    std::fputs(summary.constData(), out);
    if (!csvPath.isEmpty() && !rowsFirst && !csv.Write(TableText(request.first, rows))) return cannotWrite();
    return 0;
}
