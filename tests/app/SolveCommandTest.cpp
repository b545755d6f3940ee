#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdio>

#include "app/SolverCommands.h"
#include "game/Board.h"
#include "game/DealPrinter.h"
#include "game/RecordingHost.h"

namespace {

// Replays the printed line on a real board: each move must pass the gap rule, each reshuffle must
// be one the board allows, and the last line must tell the board's own verdict.
void ExpectLineReplays(std::uint32_t deal, const QString& text, int& reshuffles) {
    RecordingHost host;
    HostedBoard board(host);
    host.generator.GeneratorSeed = deal;
    board.Deal();
    const QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_FALSE(lines.isEmpty());
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        const QString& line = lines[i];
        if (line == QLatin1String("reshuffle")) {
            ASSERT_GT(board.ReshufflesLeft(), 0) << "deal " << deal << " line " << i;
            board.Reshuffle();
            ++reshuffles;
            continue;
        }
        const QStringList words = line.split(QLatin1Char(' '));
        ASSERT_EQ(words.size(), 3) << line.toStdString();
        bool found = false;
        for (int column = 1; column < Board::Columns && !found; ++column) {
            for (int row = 0; row < Board::Rows && !found; ++row) {
                const CardPile& place = board.Place(column, row);
                if (place.Count() == 0 || CardToken(place.TopSuit(), place.TopRank()) != words[0]) continue;
                found = true;
                const int toColumn = words[1].toInt();
                const int toRow = words[2].toInt();
                const int suit = place.TopSuit();
                const int rank = place.TopRank();
                board.Lift(column, row);
                ASSERT_TRUE(board.MayPlace(suit, rank, toColumn, toRow))
                    << "deal " << deal << ": " << line.toStdString();
                board.Lay(toColumn, toRow, false);
            }
        }
        ASSERT_TRUE(found) << "deal " << deal << ": " << line.toStdString();
    }
    EXPECT_EQ(lines.back(), board.IsWon() ? QStringLiteral("won") : QStringLiteral("lost"))
        << "deal " << deal;
}

// What tvdl --solve printed for a deal when the file was made; the searches count positions, not
// time, so it is the same on every machine, at any load. A deliberate change of the search
// rewrites the files with TVDL_UPDATE_GOLDEN=1 in the environment.
QString Golden(const QString& name, const QString& text) {
    QFile file(QStringLiteral(TVDL_SOLVE_GOLDEN "/%1").arg(name));
    if (qEnvironmentVariableIsSet("TVDL_UPDATE_GOLDEN") &&
        file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(text.toLatin1());
        return text;
    }
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return QStringLiteral("(missing %1)").arg(name);
    return QString::fromLatin1(file.readAll());
}

TEST(SolveCommand, EveryPrintedLineReplaysOnTheBoardToTheStatedEndAndNeverChanges) {
    // Deals the game's own limits settle quickly, then small limits that make the fair player
    // reshuffle.
    FairPlayer::Options small;
    small.maxPositions = 200'000;
    small.reshufflePositions = 100'000;
    const struct {
        const char* name;
        std::uint32_t deal;
        FairPlayer::Options options;
    } cases[] = {{"default", 15, {}},        {"default", 46, {}},        {"small-budget", 1, small},
                 {"small-budget", 2, small}, {"small-budget", 4, small}, {"small-budget", 7, small}};
    int won = 0;
    int reshuffles = 0;
    for (const auto& one : cases) {
        const QString text = SolveText(one.deal, one.options);
        EXPECT_EQ(text, Golden(QStringLiteral("%1-%2.txt").arg(QLatin1String(one.name)).arg(one.deal), text))
            << "deal " << one.deal;
        won += text.endsWith(QLatin1String("won\n"));
        ExpectLineReplays(one.deal, text, reshuffles);
    }
    // Wins with and without reshuffles both took part.
    EXPECT_GE(won, 3);
    EXPECT_GE(reshuffles, 1);
}

// Runs the table command with its output captured; returns its exit status.
int Table(const TableRequest& request, std::string& printed) {
    char* buffer = nullptr;
    std::size_t size = 0;
    std::FILE* out = open_memstream(&buffer, &size);
    std::FILE* err = std::tmpfile();
    const int status = RunWinnability(request, out, err);
    std::fclose(out);
    std::fclose(err);
    printed.assign(buffer, size);
    std::free(buffer);
    return status;
}

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

// The rows never depend on the threads that play them, and the file is only ever replaced whole.
TEST(WinnabilityCommand, TheSameCsvOnOneAndTwoThreadsWrittenWholeOrNotAtAll) {
    const QTemporaryDir folder;
    TableRequest request;
    request.first = 1;
    request.last = 6;
    request.player.maxPositions = 30'000;
    request.player.reshufflePositions = 10'000;
    std::string printed;

    request.csvPath = folder.filePath(QStringLiteral("one.csv"));
    QFile old(request.csvPath);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    for (int line = 0; line < 40; ++line) old.write("a row of an older and longer table\n");
    old.close();
    request.threads = 1;
    ASSERT_EQ(Table(request, printed), 0);
    const QByteArray one = Read(request.csvPath);
    EXPECT_EQ(one.count('\n'), 7) << one.constData();
    EXPECT_TRUE(one.startsWith("deal,won,")) << one.constData();

    request.csvPath = folder.filePath(QStringLiteral("two.csv"));
    request.threads = 2;
    ASSERT_EQ(Table(request, printed), 0);
    EXPECT_EQ(Read(request.csvPath), one);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 2) << "no temporary file is left";

    // A file that cannot be made is found out before any deal is played; one that fails at the
    // end (a full disk) is reported too, never taken for success.
    request.csvPath = folder.filePath(QStringLiteral("missing/three.csv"));
    EXPECT_EQ(Table(request, printed), 2);
    EXPECT_EQ(printed, std::string()) << "nothing was played";
    if (QFileInfo::exists(QStringLiteral("/dev/full"))) {
        request.csvPath = QStringLiteral("/dev/full");
        EXPECT_EQ(Table(request, printed), 2);
        EXPECT_FALSE(QFileInfo(request.csvPath).isFile()) << "a device is written into, never replaced";
    }

    // Ctrl-C while the deals are played leaves the old file as it was, and no temporary file.
    request.csvPath = folder.filePath(QStringLiteral("one.csv"));
    request.last = 100'000;
    int progress[2];
    ASSERT_EQ(pipe(progress), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // A run started in the background of a shell has Ctrl-C ignored, and would keep it so.
        signal(SIGINT, SIG_DFL);
        close(progress[0]);
        std::FILE* err = fdopen(progress[1], "w");
        std::FILE* out = std::fopen("/dev/null", "w");
        _exit(RunWinnability(request, out, err));
    }
    close(progress[1]);
    // The progress bar shows once the deals are being played.
    pollfd ready{progress[0], POLLIN, 0};
    EXPECT_EQ(poll(&ready, 1, 60'000), 1);
    kill(child, SIGINT);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    close(progress[0]);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGINT) << status;
    EXPECT_EQ(Read(request.csvPath), one);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 2) << "no temporary file is left";
}

// "--csv /dev/stdout > file" and "--csv file >> file": the table goes into the output the program
// already has, rows first, after what the file held, and the summary after the rows.
TEST(WinnabilityCommand, ATableOnTheProgramsOwnOutputGoesIntoItBeforeTheSummary) {
    const QTemporaryDir folder;
    TableRequest request;
    request.first = 1;
    request.last = 3;
    request.player.maxPositions = 10'000;
    request.player.reshufflePositions = 5'000;
    const QString outputPath = folder.filePath(QStringLiteral("output.txt"));
    std::string printed;
    request.csvPath = folder.filePath(QStringLiteral("alone.csv"));
    ASSERT_EQ(Table(request, printed), 0);
    const QByteArray rows = Read(request.csvPath);
    const std::string summary = printed;

    for (const bool byName : {false, true}) {
        QFile earlier(outputPath);
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly | QIODevice::Truncate));
        earlier.write("printed before\n");
        earlier.close();
        std::FILE* out = std::fopen(QFile::encodeName(outputPath).constData(), "a");
        ASSERT_NE(out, nullptr);
        request.csvPath = byName ? outputPath : QStringLiteral("/proc/self/fd/%1").arg(fileno(out));
        std::FILE* err = std::tmpfile();
        EXPECT_EQ(RunWinnability(request, out, err), 0);
        std::fclose(out);
        std::fclose(err);
        const QByteArray whole = Read(outputPath);
        // The times in the last line differ from run to run.
        const auto untimed = [](const QByteArray& text) {
            const qsizetype at = text.lastIndexOf("Time per deal");
            return (at < 0 ? text : text.left(at)).toStdString();
        };
        EXPECT_EQ(untimed(whole), untimed("printed before\n" + rows + QByteArray::fromStdString(summary)));
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 2) << "no file beside it";
    }
}

}  // namespace
