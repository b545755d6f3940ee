#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>
#include <climits>

#include "PrintQt.h"
#include "StoreFixture.h"
#include "settings/SettingsStore.h"

namespace {

class SettingsStoreTest : public StoreFixture {
protected:
    static void StoreRaw(const QByteArray& content) { WriteRawFile(NativeFile(), content); }
};

TEST_F(SettingsStoreTest, NativeStoreLivesInTheUsersConfigFolderAndKilledWritesLeaveNothing) {
    EXPECT_EQ(Store().FileName(), NativeFile());
    Store().WriteBool(QStringLiteral("common"), QStringLiteral("sound"), true);
    EXPECT_TRUE(QFile::exists(NativeFile()));

    // A write killed between making its temporary file and renaming it over the store leaves
    // that file behind; the next start removes it, and only it.
    const QString leftover = NativeFile() + QStringLiteral(".Ab3xYz");
    const QStringList others{NativeFile() + QStringLiteral(".bak"), NativeFile() + QStringLiteral(".Ab-xYz"),
                             NativeFolder() + QStringLiteral("/Other.conf.Ab3xYz")};
    WriteRawFile(leftover, "x");
    for (const QString& path : others) WriteRawFile(path, "x");
    Store().RemoveStaleWrites();
    EXPECT_FALSE(QFile::exists(leftover));
    for (const QString& path : others) EXPECT_TRUE(QFile::exists(path)) << path.toStdString();
    EXPECT_TRUE(Store().ReadBool(QStringLiteral("common"), QStringLiteral("sound"), false));
}

TEST_F(SettingsStoreTest, FirstStartGivesEveryDefaultSilently) {
    const SettingsStore store = Store();
    const QString common = QStringLiteral("common");
    EXPECT_EQ(store.ReadInteger(common, QStringLiteral("tongue"), -1), -1);
    EXPECT_TRUE(store.ReadBool(common, QStringLiteral("sound"), true));
    EXPECT_FALSE(store.ReadBool(common, QStringLiteral("sound"), false));
    EXPECT_EQ(store.ReadInteger(common, QStringLiteral("back"), 32768), 32768);
    EXPECT_EQ(store.ReadText(QStringLiteral("Form"), QStringLiteral("MainForm"), QString()), QString());
    store.DeleteValue(QStringLiteral("Form"), QStringLiteral("MainFormColor"));
    EXPECT_TRUE(reports.isEmpty());
    // Reading, and deleting what is not there, must not leave a file behind.
    EXPECT_FALSE(QFile::exists(NativeFile()));
}

TEST_F(SettingsStoreTest, BooleansReadAnyNonZeroIntegerAsTrue) {
    const SettingsStore store = Store();
    const QString common = QStringLiteral("common");
    const QString sound = QStringLiteral("sound");
    const struct {
        const char* stored;
        bool defaultValue;
        bool expected;
    } cases[] = {
        {"0", true, false},     {"1", false, true},    {"7", false, true},    {"2", false, true},
        {"-1", false, true},    {"yes", true, true},   {"yes", false, false}, {"", true, true},
        {"\" 0\"", true, true}, {"0x1", false, false},
    };
    for (const auto& c : cases) {
        StoreRaw(QByteArray("[V1]\ncommon\\sound=") + c.stored + "\n");
        EXPECT_EQ(store.ReadBool(common, sound, c.defaultValue), c.expected) << c.stored;
    }
    EXPECT_TRUE(reports.isEmpty());
}

TEST_F(SettingsStoreTest, IntegersThatAreNotPlainDecimalGiveTheDefault) {
    const SettingsStore store = Store();
    const QString common = QStringLiteral("common");
    const QString back = QStringLiteral("back");
    const struct {
        const char* stored;
        int expected;
    } cases[] = {
        {"abc", 32768},          {"", 32768},        {"12abc", 32768},
        {"\" 12\"", 32768},      {"\"12 \"", 32768}, {"1.5", 32768},
        {"99999999999", 32768},  {"-1", -1},         {"-2147483648", INT_MIN},
        {"2147483647", INT_MAX}, {"0", 0},           {"255", 255},
    };
    for (const auto& c : cases) {
        StoreRaw(QByteArray("[V1]\ncommon\\back=") + c.stored + "\n");
        EXPECT_EQ(store.ReadInteger(common, back, 32768), c.expected) << c.stored;
    }
    EXPECT_TRUE(reports.isEmpty());
}

TEST_F(SettingsStoreTest, WrittenValuesReadBack) {
    const SettingsStore store = Store();
    const QString common = QStringLiteral("common");
    for (const int value : {0, 1, -1, 32768, 0x00FFFFFF, INT_MIN, INT_MAX}) {
        store.WriteInteger(common, QStringLiteral("back"), value);
        EXPECT_EQ(store.ReadInteger(common, QStringLiteral("back"), 5), value);
    }
    for (const bool value : {true, false}) {
        store.WriteBool(common, QStringLiteral("slide"), value);
        EXPECT_EQ(store.ReadBool(common, QStringLiteral("slide"), !value), value);
    }
    // Texts that the file format would otherwise take for lists, variants or comments.
    for (const QString& text :
         {QStringLiteral("200,0,1,269,375,900,800"), QStringLiteral("@Variant(x)"), QStringLiteral("a, b"),
          QStringLiteral("; not a comment"), QStringLiteral("Grün ß"), QStringLiteral(" padded ")}) {
        store.WriteText(QStringLiteral("Form"), QStringLiteral("MainForm"), text);
        EXPECT_EQ(store.ReadText(QStringLiteral("Form"), QStringLiteral("MainForm"), QString()), text);
    }
    EXPECT_TRUE(reports.isEmpty());
}

TEST_F(SettingsStoreTest, FileHoldsPlainDecimalTextUnderV1) {
    const SettingsStore store = Store();
    store.WriteBool(QStringLiteral("common"), QStringLiteral("sound"), true);
    store.WriteBool(QStringLiteral("common"), QStringLiteral("show"), false);
    store.WriteInteger(QStringLiteral("common"), QStringLiteral("tongue"), -1);
    store.WriteInteger(QStringLiteral("common"), QStringLiteral("back"), 32768);
    store.WriteText(QStringLiteral("Form"), QStringLiteral("MainForm"),
                    QStringLiteral("200,0,1,269,375,900,800"));
    EXPECT_EQ(NativeFileText(), QByteArray("[V1]\n"
                                           "Form\\MainForm=\"200,0,1,269,375,900,800\"\n"
                                           "common\\back=32768\n"
                                           "common\\show=0\n"
                                           "common\\sound=1\n"
                                           "common\\tongue=-1\n"));
}

TEST_F(SettingsStoreTest, WritesKeepValuesOthersStored) {
    StoreRaw("[V1]\ncommon\\won=12\nForm\\MainFormColor=255\n\n[Other]\nkept=yes\n");
    const SettingsStore store = Store();
    store.WriteInteger(QStringLiteral("common"), QStringLiteral("lost"), 3);
    store.DeleteValue(QStringLiteral("Form"), QStringLiteral("MainFormColor"));
    store.DeleteValue(QStringLiteral("Form"), QStringLiteral("MainFormFont"));
    EXPECT_EQ(store.ReadInteger(QStringLiteral("common"), QStringLiteral("won"), 0), 12);
    EXPECT_EQ(store.ReadInteger(QStringLiteral("common"), QStringLiteral("lost"), 0), 3);
    EXPECT_EQ(store.ReadInteger(QStringLiteral("Form"), QStringLiteral("MainFormColor"), -7), -7);
    EXPECT_TRUE(NativeFileText().contains("[Other]\nkept=yes\n"));
    EXPECT_TRUE(reports.isEmpty());
}

TEST_F(SettingsStoreTest, ChangesByAnotherCopyAreSeenAtOnce) {
    const SettingsStore first = Store();
    const SettingsStore second = Store();
    EXPECT_EQ(first.ReadInteger(QStringLiteral("common"), QStringLiteral("won"), 0), 0);
    second.WriteInteger(QStringLiteral("common"), QStringLiteral("won"), 4);
    EXPECT_EQ(first.ReadInteger(QStringLiteral("common"), QStringLiteral("won"), 0), 4);
    StoreRaw("[V1]\ncommon\\won=9\n");
    EXPECT_EQ(first.ReadInteger(QStringLiteral("common"), QStringLiteral("won"), 0), 9);
}

}  // namespace
