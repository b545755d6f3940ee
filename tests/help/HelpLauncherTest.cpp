#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include "HelpTestSupport.h"
#include "help/SafeFile.h"
#include "help/TDLogFile.h"
#include "help/THookHelpSystem.h"

namespace {

constexpr int headerRows = 27;

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList Lines(const QString& path) {
    QStringList lines = QString::fromUtf8(ReadAll(path)).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
    return lines;
}

QString Timed(const QString& text) {
    return QLocale::system().toString(FakeClock().LocalTime().time(), QLocale::LongFormat) +
           QStringLiteral("   ") + text;
}

QStringList Timed(const QStringList& texts) {
    QStringList lines;
    for (const QString& text : texts) lines << Timed(text);
    return lines;
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

mode_t Mode(const QString& path) {
    struct stat info {};
    ::stat(QFile::encodeName(path).constData(), &info);
    return info.st_mode & 07777;
}

TEST(HelpLauncher, OnePressOpensTheInstalledFileAndTracesTheRequestWithAndWithoutTheViewer) {
    HelpSandbox sandbox;
    // An installed tree that no longer lies where it was built for (a staged or moved one).
    const QString installed = QDir::cleanPath(sandbox.ProgramFolder() + QLatin1Char('/') +
                                              QStringLiteral(TVDL_HELP_FILE_FROM_PROGRAM));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(installed).path()));
    ASSERT_TRUE(QFile::copy(QStringLiteral(TVDL_HELP_FILE), installed));
    const QString helpFile = HelpPlatform::HelpFilePath(sandbox.ProgramFolder());
    EXPECT_EQ(helpFile.toStdString(), installed.toStdString());
    // The viewer program is found in the same tree.
    const QString installedViewer = QDir::cleanPath(sandbox.ProgramFolder() + QLatin1Char('/') +
                                                    QStringLiteral(TVDL_HELP_VIEWER_FROM_PROGRAM));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(installedViewer).path()));
    WriteFile(installedViewer, QByteArray());
    EXPECT_EQ(HelpPlatform::ViewerProgram(sandbox.ProgramFolder()).toStdString(),
              installedViewer.toStdString());
    const QString log = sandbox.ProgramFolder() + QStringLiteral("/HHDebug.txt");
    sandbox.Start({QStringLiteral("/DEBUG")});
    ASSERT_TRUE(sandbox.Funcs().Module().hhInstalled) << "chmlib (libchm1) is needed for this test";
    EXPECT_EQ(sandbox.Viewer(), nullptr) << "nothing of the viewer before help is asked for";
    {
        THookHelpSystem hook(sandbox.System(), helpFile, QString(), 0);
        EXPECT_TRUE(sandbox.Api().HelpContext(1));
        ASSERT_TRUE(sandbox.Settle());
        ASSERT_TRUE(sandbox.Viewer()->Running()) << "the viewer shows the file";
        const qint64 viewer = sandbox.Viewer()->ProcessId();
        // A second press brings the same viewer back.
        EXPECT_TRUE(sandbox.Api().HelpContext(1));
        ASSERT_TRUE(sandbox.Settle());
        EXPECT_EQ(sandbox.Viewer()->ProcessId(), viewer);
    }
    EXPECT_TRUE(sandbox.ViewerEnds()) << "the hook closes the viewer when it goes";
    EXPECT_TRUE(sandbox.messages.empty());

    const QByteArray raw = ReadAll(log);
    const QStringList lines = Lines(log);
    EXPECT_EQ(raw.count("\r\n"), lines.size());
    EXPECT_EQ(raw.count('\n'), lines.size()) << "every line ends with CR LF";
    ASSERT_EQ(lines.size(), headerRows + 10);
    // Header rows: no time, separators of 79 characters, values after a tab.
    for (int row : {0, headerRows - 1}) EXPECT_EQ(lines[row], QString(79, QLatin1Char('='))) << row;
    for (int row : {8, 18, 22}) EXPECT_EQ(lines[row], QString(79, QLatin1Char('-'))) << row;
    EXPECT_EQ(lines[1], QStringLiteral("Log File:             \t") + log);
    EXPECT_EQ(lines[19], QStringLiteral("_hhInstalled =      \tYES"));
    EXPECT_EQ(lines[23], QStringLiteral("_ieInstalled =      \tNO"));
    for (int row = 0; row < headerRows; ++row) EXPECT_FALSE(lines[row].startsWith(Timed(QString()))) << row;
    EXPECT_EQ(lines.mid(headerRows),
              Timed({
                  QStringLiteral("THookHelpSystem.Create(\"%1\",\"\", 0)").arg(helpFile),
                  QStringLiteral("THookHelpSystem.HelpHook(1 (HELP_CONTEXT), 1)"),
                  QStringLiteral("HHHelpContext(\"%1\", 1, \"\", 0)").arg(helpFile),
                  QStringLiteral("ShowContext(\"%1\", 0)").arg(helpFile),
                  QStringLiteral("  returned - 0"),
                  QStringLiteral("THookHelpSystem.HelpHook(1 (HELP_CONTEXT), 1)"),
                  QStringLiteral("HHHelpContext(\"%1\", 1, \"\", 0)").arg(helpFile),
                  QStringLiteral("ShowContext(\"%1\", 0)").arg(helpFile),
                  QStringLiteral("  returned - 0"),
                  QStringLiteral("THookHelpSystem.Destroy"),
              }));

    // Without chmlib the same press says so and starts no viewer.
    ScopedEnvironment missing("TVDL_HELP_LIBRARY", "libchm-missing.so.1");
    sandbox.Start({QStringLiteral("-debug")});
    EXPECT_FALSE(sandbox.Funcs().Module().hhInstalled);
    {
        THookHelpSystem hook(sandbox.System(), helpFile, QString(), 0);
        EXPECT_TRUE(sandbox.Api().HelpContext(1));
        EXPECT_FALSE(sandbox.Viewer() && sandbox.Viewer()->Running());
        // Only topic requests open help; 13 is swallowed, the rest go back to the toolkit.
        for (std::uint16_t command :
             {std::uint16_t{2}, std::uint16_t{3}, std::uint16_t{8}, std::uint16_t{13}, std::uint16_t{257}}) {
            bool letToolkitHelp = true;
            EXPECT_TRUE(hook.HelpHook(command, 0, letToolkitHelp));
            EXPECT_EQ(letToolkitHelp, command != 8 && command != 13) << command;
        }
    }
    ASSERT_EQ(sandbox.messages.size(), 2u) << "one for the press, one for the popup request";
    EXPECT_EQ(sandbox.messages[0],
              std::make_pair(QStringLiteral("test_help"), HelpFuncs::NotInstalledText()));
    EXPECT_EQ(Lines(log).mid(headerRows, 7),
              Timed({
                  QStringLiteral("THookHelpSystem.Create(\"%1\",\"\", 0)").arg(helpFile),
                  QStringLiteral("THookHelpSystem.HelpHook(1 (HELP_CONTEXT), 1)"),
                  QStringLiteral("HHHelpContext(\"%1\", 1, \"\", 0)").arg(helpFile),
                  QStringLiteral("ShowContext(\"%1\", 0)").arg(helpFile),
                  QStringLiteral("  returned - 1"),
                  QStringLiteral("HHShowError(1), \"MS Html Help is not installed on this PC.\""),
                  QStringLiteral("THookHelpSystem.HelpHook(2 (HELP_QUIT), 0)"),
              }));
    EXPECT_EQ(Lines(log).back(), Timed(QStringLiteral("THookHelpSystem.Destroy")));

    // A help file and a viewer beside the program still come first.
    const QString beside = sandbox.ProgramFolder() + QStringLiteral("/tvdl.chm");
    ASSERT_TRUE(QFile::copy(installed, beside));
    EXPECT_EQ(HelpPlatform::HelpFilePath(sandbox.ProgramFolder()).toStdString(), beside.toStdString());
    WriteFile(sandbox.ProgramFolder() + QStringLiteral("/tvdl-help"), QByteArray());
    EXPECT_EQ(HelpPlatform::ViewerProgram(sandbox.ProgramFolder()).toStdString(),
              (sandbox.ProgramFolder() + QStringLiteral("/tvdl-help")).toStdString());
}

TEST(HelpLauncher, TraceSwitchesMarkerFileAndOldLog) {
    HelpSandbox sandbox;
    const QString log = sandbox.ProgramFolder() + QStringLiteral("/HHDebug.txt");
    for (const QStringList& on :
         {QStringList{QStringLiteral("/DEBUG")}, QStringList{QStringLiteral("-Debug")},
          QStringList{QStringLiteral("--deal"), QStringLiteral("3"), QStringLiteral("/debug")}}) {
        sandbox.Start(on);
        EXPECT_TRUE(sandbox.Funcs().Module().HelpTraceSwitch) << qPrintable(on.join(QLatin1Char(' ')));
        EXPECT_TRUE(QFileInfo::exists(log));
    }
    for (const QStringList& off :
         {QStringList{}, QStringList{QStringLiteral("debug")}, QStringList{QStringLiteral("--debug")},
          QStringList{QStringLiteral("/debugx")}}) {
        sandbox.Start(off);
        EXPECT_FALSE(sandbox.Funcs().Module().HelpTraceSwitch) << qPrintable(off.join(QLatin1Char(' ')));
        EXPECT_FALSE(QFileInfo::exists(log)) << "the old log goes at every start and no new one comes";
    }

    const QString marker = sandbox.ProgramFolder() + QStringLiteral("/debug.debug");
    WriteFile(marker, QByteArray());
    sandbox.Start({QStringLiteral("debug")});
    EXPECT_TRUE(sandbox.Funcs().Module().HelpTraceSwitch);
    QFile::remove(marker);

    // A read-only log of an earlier run is made writable and deleted.
    WriteFile(log, "old\r\n");
    QFile::setPermissions(log, QFileDevice::ReadOwner);
    sandbox.Start({});
    EXPECT_FALSE(QFileInfo::exists(log));
}

TEST(HelpLauncher, PlantedLinksAreNeverFollowed) {
    HelpSandbox sandbox;
    QTemporaryDir elsewhere;
    const QString victim = elsewhere.filePath(QStringLiteral("precious.txt"));
    WriteFile(victim, "precious");
    QFile::setPermissions(victim, QFileDevice::ReadOwner);
    const QString log = sandbox.ProgramFolder() + QStringLiteral("/HHDebug.txt");

    // A link at the log's name is removed as a name; the target keeps its bytes and its mode.
    ASSERT_TRUE(QFile::link(victim, log));
    sandbox.Start({QStringLiteral("/debug")});
    EXPECT_EQ(ReadAll(victim), QByteArray("precious"));
    EXPECT_EQ(Mode(victim), mode_t(0400));
    EXPECT_FALSE(QFileInfo(log).isSymLink());
    EXPECT_EQ(Lines(log).size(), headerRows);

    // A link put there while the game runs is not appended through.
    QFile::remove(log);
    ASSERT_TRUE(QFile::link(victim, log));
    sandbox.Funcs().HelpTrace(QStringLiteral("a line"));
    EXPECT_EQ(ReadAll(victim), QByteArray("precious"));
    QFile::remove(log);

    // A link at the probe's name makes the folder count as not writable, creates nothing where it
    // points, and the log goes to the player's own state folder, never to the shared one.
    const QString target = elsewhere.filePath(QStringLiteral("made-by-probe"));
    ASSERT_TRUE(QFile::link(target, sandbox.ProgramFolder() + QStringLiteral("/$_Temp_$.$$$")));
    EXPECT_FALSE(SafeFile::IsFolderWritable(sandbox.ProgramFolder()));
    sandbox.Start({QStringLiteral("/debug")});
    EXPECT_FALSE(QFileInfo::exists(target));
    const QString stateFolder = sandbox.StateHome() + QStringLiteral("/tvdl");
    EXPECT_EQ(sandbox.Funcs().HelpLog()->LogPath, stateFolder + QStringLiteral("/HHDebug.txt"));
    EXPECT_EQ(Lines(sandbox.Funcs().HelpLog()->LogPath).size(), headerRows);
    EXPECT_EQ(Mode(stateFolder), mode_t(0700));
    EXPECT_FALSE(QFileInfo::exists(log));
}

}  // namespace
