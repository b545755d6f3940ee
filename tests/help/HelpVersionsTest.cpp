#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "help/HelpControl.h"
#include "help/HelpVersions.h"

namespace {

HelpVersions::Version V(std::uint16_t a, std::uint16_t b, std::uint16_t c, std::uint16_t d) {
    HelpVersions::Version version;
    version.found = true;
    version.numbers = {a, b, c, d};
    return version;
}

TEST(HelpVersions, FriendlyNamesAtTheEdgesOfBothTables) {
    EXPECT_EQ(HelpVersions::HelpControlFriendlyVersion({}), QString());
    EXPECT_EQ(HelpVersions::HelpControlFriendlyVersion(V(5, 2, 3669, 1)), QStringLiteral("> 1.4a"));
    EXPECT_EQ(HelpVersions::HelpControlFriendlyVersion(V(5, 2, 3669, 0)), QStringLiteral("1.4a"));
    EXPECT_EQ(HelpVersions::HelpControlFriendlyVersion(V(5, 2, 3668, 65535)), QStringLiteral("1.4"));
    EXPECT_EQ(HelpVersions::HelpControlFriendlyVersion(V(4, 72, 7290, 0)), QStringLiteral("1.0"));
    EXPECT_EQ(HelpVersions::HelpControlFriendlyVersion(V(4, 72, 7289, 65535)), QStringLiteral("< 1.0"));

    EXPECT_EQ(HelpVersions::BrowserFriendlyVersion({}), QString());
    EXPECT_EQ(HelpVersions::BrowserFriendlyVersion(V(7, 0, 5730, 11)),
              QStringLiteral(">= Internet Explorer 7.0.5730.11"));
    EXPECT_EQ(HelpVersions::BrowserFriendlyVersion(V(6, 65535, 0, 0)),
              QStringLiteral("Internet Explorer 6 (Windows Server 2003)"));
    EXPECT_EQ(HelpVersions::BrowserFriendlyVersion(V(6, 0, 2900, 2179)),
              QStringLiteral("Internet Explorer 6 SP1"));
    EXPECT_EQ(HelpVersions::BrowserFriendlyVersion(V(4, 40, 308, 0)),
              QStringLiteral("Internet Explorer 1.0 (Plus!)"));
    EXPECT_EQ(HelpVersions::BrowserFriendlyVersion(V(4, 40, 307, 65535)),
              QStringLiteral("< Internet Explorer 1.0 (Plus!)"));
    // Old components keep their build in the release place.
    EXPECT_EQ(HelpVersions::BrowserFriendlyVersion(HelpVersions::MoveOldBrowserBuild(V(4, 70, 0, 1155))),
              QStringLiteral("Internet Explorer 3.0"));
    EXPECT_EQ(HelpVersions::CompareVersions(V(1, 65535, 0, 0), V(1, 1, 0, 0)), 1) << "numbers are unsigned";
}

TEST(HelpVersions, FileVersionsAndSystemRoot) {
    QTemporaryDir folder;
    const QString library = folder.filePath(QStringLiteral("libdemo.so.1.2.3"));
    QFile(library).open(QIODevice::WriteOnly);
    QFile::link(library, folder.filePath(QStringLiteral("libdemo.so.1")));
    EXPECT_EQ(HelpVersions::FileVersionText(folder.filePath(QStringLiteral("libdemo.so.1"))),
              QStringLiteral("1.2.3.0"));
    EXPECT_EQ(HelpVersions::FileVersionText(folder.filePath(QStringLiteral("libgone.so.1"))), QString());
    // Only one to four groups of digits after the last ".so." make a version.
    for (const auto& [name, version] :
         {std::pair{"libfour.so.7.8.9.10", "7.8.9.10"}, std::pair{"libfive.so.1.2.3.4.5", ""},
          std::pair{"libletter.so.2x", ""}, std::pair{"libempty.so.1..2", ""},
          std::pair{"libtwice.so.3.so.4", "4.0.0.0"}}) {
        const QString path = folder.filePath(QString::fromLatin1(name));
        QFile(path).open(QIODevice::WriteOnly);
        EXPECT_EQ(HelpVersions::FileVersionText(path), QString::fromLatin1(version)) << name;
    }

    EXPECT_EQ(HelpControl::ExpandSystemRoot(QStringLiteral("%SystemRoot%/lib/x.so")),
              QStringLiteral("/usr/lib/x.so"));
    EXPECT_EQ(HelpControl::ExpandSystemRoot(QStringLiteral("%SYSTEMROOT%")), QStringLiteral("/usr"));
    for (const char* unchanged : {"%SystemRoot", "%SystemRoot/%x", "%SystemRoo%%/x", "x%SystemRoot%", ""}) {
        EXPECT_EQ(HelpControl::ExpandSystemRoot(QString::fromLatin1(unchanged)),
                  QString::fromLatin1(unchanged));
    }
}

}  // namespace
