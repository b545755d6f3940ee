#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <vector>

#include "FakeClock.h"
#include "PrintQt.h"
#include "StoreFixture.h"
#include "settings/SettingsStore.h"

namespace {

using SettingsStoreFailureTest = StoreFixture;

TEST_F(SettingsStoreFailureTest, ValuesThatAreNotTextAreReportedAndGiveTheDefault) {
    WriteRawFile(NativeFile(),
                 "[V1]\n"
                 "common\\back=a, b\n"
                 "common\\sound=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\0)\n"
                 "common\\frame=@ByteArray(255)\n"
                 "common\\won=7\n"
                 "Form\\MainForm=@Rect(1 2 3 4)\n");
    const SettingsStore store = Store();
    const QString common = QStringLiteral("common");

    EXPECT_EQ(store.ReadInteger(common, QStringLiteral("back"), 32768), 32768);
    EXPECT_TRUE(store.ReadBool(common, QStringLiteral("sound"), true));
    EXPECT_EQ(store.ReadInteger(common, QStringLiteral("frame"), 0), 0);
    EXPECT_EQ(store.ReadText(QStringLiteral("Form"), QStringLiteral("MainForm"), QString()), QString());
    EXPECT_EQ(reports, QStringList({QStringLiteral("Ungültiger Datentyp für 'back'"),
                                    QStringLiteral("Ungültiger Datentyp für 'sound'"),
                                    QStringLiteral("Ungültiger Datentyp für 'frame'"),
                                    QStringLiteral("Ungültiger Datentyp für 'MainForm'")}));

    // The damaged values spoil nothing else, and writing over them repairs them.
    reports.clear();
    EXPECT_EQ(store.ReadInteger(common, QStringLiteral("won"), 0), 7);
    store.WriteInteger(common, QStringLiteral("back"), 255);
    EXPECT_EQ(store.ReadInteger(common, QStringLiteral("back"), 32768), 255);
    EXPECT_TRUE(reports.isEmpty());
}

TEST_F(SettingsStoreFailureTest, ConfigFolderThatCannotBeCreatedIsReported) {
    WriteRawFile(NativeFolder(), "a plain file where the folder belongs");
    const SettingsStore store = Store();

    store.WriteBool(QStringLiteral("common"), QStringLiteral("sound"), false);
    store.WriteText(QStringLiteral("Form"), QStringLiteral("MainForm"), QStringLiteral("x"));
    EXPECT_EQ(reports, QStringList({QStringLiteral("Erzeugung von Schlüssel common misslungen"),
                                    QStringLiteral("Erzeugung von Schlüssel Form misslungen")}));

    reports.clear();
    EXPECT_FALSE(store.ReadBool(QStringLiteral("common"), QStringLiteral("sound"), true))
        << "held by the store";
    EXPECT_TRUE(SettingsStore().ReadBool(QStringLiteral("common"), QStringLiteral("sound"), true));
    store.DeleteValue(QStringLiteral("Form"), QStringLiteral("MainFormFont"));
    EXPECT_TRUE(reports.isEmpty());
}

TEST_F(SettingsStoreFailureTest, AWriteThatFailsIsHeldAndGoesWithTheNextOneThatGetsThrough) {
    // A folder in place of the file stops even a process that ignores permissions.
    QDir().mkpath(NativeFile());
    std::vector<SettingsStore::Failure> failures;
    const SettingsStore store(
        [&failures](const SettingsStore::Failure& failure) { failures.push_back(failure); });
    const QString common = QStringLiteral("common");

    EXPECT_FALSE(store.WriteInteger(common, QStringLiteral("won"), 3));
    EXPECT_FALSE(store.WriteBool(common, QStringLiteral("sound"), false));
    ASSERT_EQ(failures.size(), 2u) << "one report for each value written, none for the held ones";
    EXPECT_EQ(failures[1].Message(), QStringLiteral("Fehler beim Setzen der Daten für 'sound'"));
    EXPECT_EQ(failures[1].cause, SettingsStore::Failure::Cause::FolderInPlaceOfFile);
    EXPECT_EQ(failures[1].file, NativeFile());
    EXPECT_EQ(store.ReadInteger(common, QStringLiteral("won"), 0), 3) << "read back as written";
    EXPECT_EQ(SettingsStore().ReadInteger(common, QStringLiteral("won"), 0), 0) << "but not stored";

    // The store comes back: the next write takes everything held along.
    QDir(NativeFile()).removeRecursively();
    EXPECT_TRUE(store.WriteInteger(common, QStringLiteral("lost"), 1));
    const SettingsStore next;
    EXPECT_EQ(next.ReadInteger(common, QStringLiteral("won"), 0), 3);
    EXPECT_FALSE(next.ReadBool(common, QStringLiteral("sound"), true));
    EXPECT_EQ(next.ReadInteger(common, QStringLiteral("lost"), 0), 1);
    EXPECT_EQ(failures.size(), 2u);
}

TEST_F(SettingsStoreFailureTest, ReadOnlyFolderLosesNothingStoredBefore) {
    const SettingsStore store = Store();
    const QString common = QStringLiteral("common");
    store.WriteInteger(common, QStringLiteral("won"), 12);
    store.WriteBool(common, QStringLiteral("sound"), false);
    const QByteArray before = NativeFileText();
    QFile::setPermissions(NativeFolder(), QFile::ReadOwner | QFile::ExeOwner);

    if (PermissionsIgnored(NativeFolder())) {
        // Running as root: only a folder that cannot exist at all stops the write.
        const SettingsStore blocked = SettingsStore::AtFile(
            NativeFile() + QStringLiteral("/TorvikVandrel.conf"),
            [this](const SettingsStore::Failure& failure) { reports << failure.Message(); });
        blocked.WriteInteger(common, QStringLiteral("lost"), 4);
        EXPECT_EQ(reports, QStringList({QStringLiteral("Erzeugung von Schlüssel common misslungen")}));
    } else {
        std::vector<SettingsStore::Failure::Cause> causes;
        const SettingsStore watched([&](const SettingsStore::Failure& failure) {
            reports << failure.Message();
            causes.push_back(failure.cause);
        });
        watched.WriteInteger(common, QStringLiteral("lost"), 4);
        watched.WriteBool(common, QStringLiteral("sound"), true);
        EXPECT_EQ(reports, QStringList({QStringLiteral("Fehler beim Setzen der Daten für 'lost'"),
                                        QStringLiteral("Fehler beim Setzen der Daten für 'sound'")}));
        EXPECT_EQ(causes, std::vector<SettingsStore::Failure::Cause>(
                              2, SettingsStore::Failure::Cause::FolderReadOnly));
    }
    EXPECT_EQ(NativeFileText(), before);
    EXPECT_EQ(store.ReadInteger(common, QStringLiteral("won"), 0), 12);
}

TEST_F(SettingsStoreFailureTest, DamagedFileIsReplacedByAWriteOrReported) {
    // A file QSettings cannot parse leaves its error standing through the write, so the write
    // has to be judged another way.
    WriteRawFile(NativeFile(), "[V1\n\"\"\"\x01\x02=\\\n@@@(\n[x]]\nq=\"a\n");
    ASSERT_EQ(QSettings(NativeFile(), QSettings::IniFormat).status(), QSettings::FormatError);
    const SettingsStore store = Store();
    store.WriteInteger(QStringLiteral("common"), QStringLiteral("won"), 5);
    EXPECT_TRUE(reports.isEmpty());
    EXPECT_EQ(store.ReadInteger(QStringLiteral("common"), QStringLiteral("won"), 0), 5);

    // Damaged and read-only: nothing can be written, and the damaged text stays as it was.
    const QByteArray damaged("[V1\n\"\"\"\x01\x02=\\\n@@@(\ncommon\\won=1\n");
    WriteRawFile(NativeFile(), damaged);
    ASSERT_EQ(QSettings(NativeFile(), QSettings::IniFormat).status(), QSettings::FormatError);
    QFile::setPermissions(NativeFolder(), QFile::ReadOwner | QFile::ExeOwner);
    if (PermissionsIgnored(NativeFolder())) return;  // root writes anyway
    reports.clear();
    store.WriteInteger(QStringLiteral("common"), QStringLiteral("won"), 6);
    store.WriteInteger(QStringLiteral("common"), QStringLiteral("lost"), 7);
    EXPECT_EQ(reports, QStringList({QStringLiteral("Fehler beim Setzen der Daten für 'won'"),
                                    QStringLiteral("Fehler beim Setzen der Daten für 'lost'")}));
    EXPECT_EQ(NativeFileText(), damaged);
}

TEST_F(SettingsStoreFailureTest, AStoreFarLargerThanTheGameWritesIsSetAsideWithItsDate) {
    FakeClock clock;
    const ScopedClock scopedClock(clock);
    QByteArray huge("[V1]\ncommon\\slost=9\n");
    while (huge.size() <= SettingsStore::LargestStoreBytes)
        huge += "junk\\" + QByteArray::number(huge.size()) + "=1\n";
    WriteRawFile(NativeFile(), huge);
    const SettingsStore store = Store();

    store.SetAsideIfAbsurd();
    const QString aside = NativeFile() + QStringLiteral(".set-aside-2026-12-07-210509");
    EXPECT_FALSE(QFileInfo::exists(NativeFile()));
    QFile kept(aside);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly)) << "moved, never deleted";
    EXPECT_EQ(kept.readAll(), huge);
    // Not "won" or "lost": failed writes of earlier tests linger in QSettings' cache of the file.
    EXPECT_EQ(store.ReadInteger(QStringLiteral("common"), QStringLiteral("slost"), 0), 0) << "the defaults";
    EXPECT_EQ(reports, QStringList({QStringLiteral("Einstellungen beiseitegelegt als %1").arg(aside)}));

    // One of the game's own size stays; through a link, the file it points to goes aside and the
    // link stays for the store written next.
    reports.clear();
    store.WriteInteger(QStringLiteral("common"), QStringLiteral("won"), 4);
    store.SetAsideIfAbsurd();
    EXPECT_TRUE(reports.isEmpty());
    const QString dotfile = ConfigHome() + QStringLiteral("/dotfiles-huge.conf");
    WriteRawFile(dotfile, huge);
    QFile::remove(NativeFile());
    ASSERT_TRUE(QFile::link(dotfile, NativeFile()));
    store.SetAsideIfAbsurd();
    EXPECT_TRUE(QFileInfo(NativeFile()).isSymLink());
    EXPECT_TRUE(QFileInfo::exists(dotfile + QStringLiteral(".set-aside-2026-12-07-210509")));
    EXPECT_EQ(reports.size(), 1);
    QFile::remove(dotfile + QStringLiteral(".set-aside-2026-12-07-210509"));
}

TEST_F(SettingsStoreFailureTest, SettingsReachedThroughALinkAreWrittenThroughIt) {
    // As a dotfile manager leaves them: the store is a link into the player's own folder.
    const QString dotfile = ConfigHome() + QStringLiteral("/dotfiles-TorvikVandrel.conf");
    WriteRawFile(dotfile, "[V1]\ncommon\\lost=2\n");
    QDir().mkpath(NativeFolder());
    ASSERT_TRUE(QFile::link(dotfile, NativeFile()));
    const SettingsStore store = Store();

    EXPECT_TRUE(store.WriteInteger(QStringLiteral("common"), QStringLiteral("won"), 5));
    EXPECT_TRUE(store.WriteIntegers({{SettingKey::TotalLost, 3}}));
    EXPECT_TRUE(QFileInfo(NativeFile()).isSymLink()) << "the link was replaced by a plain file";
    const QSettings own(dotfile, QSettings::IniFormat);
    EXPECT_EQ(own.value(QStringLiteral("V1/common/won")).toString(), QStringLiteral("5"));
    EXPECT_EQ(own.value(QStringLiteral("V1/common/lost")).toString(), QStringLiteral("3"));
    EXPECT_TRUE(reports.isEmpty());
    QFile::remove(dotfile);
}

QStringList warnings;

void CollectWarning(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtWarningMsg) warnings << message;
}

TEST_F(SettingsStoreFailureTest, WithoutReporterTheMessageBecomesAWarning) {
    WriteRawFile(NativeFile(), "[V1]\ncommon\\back=a, b\n");
    const SettingsStore store;
    warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(CollectWarning);
    const int back = store.ReadInteger(QStringLiteral("common"), QStringLiteral("back"), 32768);
    qInstallMessageHandler(previous);
    EXPECT_EQ(back, 32768);
    EXPECT_EQ(warnings, QStringList({QStringLiteral("Ungültiger Datentyp für 'back'")}));
}

}  // namespace
