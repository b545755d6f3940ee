#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStringList>

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
    EXPECT_TRUE(store.ReadBool(QStringLiteral("common"), QStringLiteral("sound"), true));
    store.DeleteValue(QStringLiteral("Form"), QStringLiteral("MainFormFont"));
    EXPECT_TRUE(reports.isEmpty());
}

TEST_F(SettingsStoreFailureTest, SettingsFileThatCannotBeReplacedIsReported) {
    // A folder in place of the file stops even a process that ignores permissions.
    QDir().mkpath(NativeFile());
    const SettingsStore store = Store();

    store.WriteInteger(QStringLiteral("common"), QStringLiteral("won"), 3);
    EXPECT_EQ(reports, QStringList({QStringLiteral("Fehler beim Setzen der Daten für 'won'")}));
    reports.clear();
    EXPECT_EQ(store.ReadInteger(QStringLiteral("common"), QStringLiteral("won"), 0), 0);
    EXPECT_TRUE(reports.isEmpty());
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
        const SettingsStore blocked =
            SettingsStore::AtFile(NativeFile() + QStringLiteral("/TorvikVandrel.conf"),
                                  [this](const QString& message) { reports << message; });
        blocked.WriteInteger(common, QStringLiteral("lost"), 4);
        EXPECT_EQ(reports, QStringList({QStringLiteral("Erzeugung von Schlüssel common misslungen")}));
    } else {
        store.WriteInteger(common, QStringLiteral("lost"), 4);
        store.WriteBool(common, QStringLiteral("sound"), true);
        EXPECT_EQ(reports, QStringList({QStringLiteral("Fehler beim Setzen der Daten für 'lost'"),
                                        QStringLiteral("Fehler beim Setzen der Daten für 'sound'")}));
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
