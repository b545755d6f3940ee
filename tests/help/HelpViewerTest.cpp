#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTreeWidget>
#include <cstring>

#include "help/ChmFile.h"
#include "help/ChmLibrary.h"
#include "help/HelpPlatform.h"
#include "help/HelpViewer.h"
#include "help/HelpWindows.h"

namespace {

TEST(HelpViewer, OpensTheCommittedFileAtContextOneAndFollowsItsLinks) {
    ChmLibrary chm;
    ASSERT_TRUE(chm.Load(HelpPlatform::HelpControlName(), QString()))
        << "chmlib (libchm1) is needed for this test";
    HelpWindows windows(chm.Api());
    const QString helpFile = QStringLiteral(TVDL_HELP_FILE);

    ASSERT_EQ(windows.Show(helpFile, 1), HelpWindows::Outcome::Shown);
    HelpViewer* viewer = windows.Find(helpFile);
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(viewer->CurrentTopic(), QStringLiteral("/index.htm"));
    auto* page = viewer->findChild<QTextBrowser*>(QStringLiteral("page"));
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(page->toPlainText().contains(QStringLiteral("Spielregeln")));
    EXPECT_TRUE(page->toPlainText().contains(QStringLiteral("Rules")));
    // The build folder the compiler wrote before every mapped name is gone.
    EXPECT_EQ(viewer->File().TopicOfContext(20), QStringLiteral("/en/rules.htm"));
    EXPECT_EQ(viewer->File().TopicOfContext(999), QString());

    auto* contents = viewer->findChild<QTreeWidget*>(QStringLiteral("contents"));
    ASSERT_NE(contents, nullptr);
    ASSERT_EQ(contents->topLevelItemCount(), 3);
    EXPECT_EQ(contents->topLevelItem(1)->text(0), QStringLiteral("Deutsch"));
    EXPECT_EQ(contents->topLevelItem(1)->child(2)->text(0),
              QStringLiteral("Zughinweise und die rechte Maustaste"));
    EXPECT_EQ(contents->topLevelItem(2)->childCount(), 7);

    // A relative link, then pictures and the way back up, all from inside the file.
    emit page->anchorClicked(QUrl(QStringLiteral("de/regeln.htm")));
    EXPECT_EQ(viewer->CurrentTopic(), QStringLiteral("/de/regeln.htm"));
    EXPECT_TRUE(page->toPlainText().contains(QString::fromUtf8("Lücken füllen")));
    EXPECT_EQ(contents->currentItem(), contents->topLevelItem(1)->child(0));
    const QVariant picture =
        page->loadResource(QTextDocument::ImageResource, QUrl(QStringLiteral("../img/board.png")));
    EXPECT_TRUE(picture.toByteArray().startsWith("\x89PNG"));
    emit page->anchorClicked(QUrl(QStringLiteral("../index.htm")));
    EXPECT_EQ(viewer->CurrentTopic(), QStringLiteral("/index.htm"));

    // A second request brings the same window back at the topic asked for.
    emit page->anchorClicked(QUrl(QStringLiteral("en/play.htm")));
    EXPECT_EQ(windows.Show(helpFile + QStringLiteral(">main"), 1), HelpWindows::Outcome::Shown);
    EXPECT_EQ(windows.Find(helpFile), viewer);
    EXPECT_EQ(viewer->CurrentTopic(), QStringLiteral("/index.htm"));
    EXPECT_EQ(windows.Count(), 1);

    // A missing file and one that cannot be read give no window; closing all leaves none.
    EXPECT_EQ(windows.Show(helpFile + QStringLiteral(".missing"), 1), HelpWindows::Outcome::Missing);
    EXPECT_EQ(windows.Show(QStringLiteral(TVDL_HELP_VIEWER), 1), HelpWindows::Outcome::Damaged);
    // Whatever has the name but is no regular file is damaged, never opened and waited on (a pipe
    // would keep the viewer waiting for a writer for good); only a link to nothing is missing.
    QTemporaryDir odd;
    const auto at = [&odd](const char* name) { return odd.filePath(QString::fromLatin1(name)); };
    const auto native = [](const QString& path) { return QFile::encodeName(path); };
    ASSERT_TRUE(QDir().mkdir(at("folder.chm")));
    ASSERT_EQ(::mkfifo(native(at("pipe.chm")).constData(), 0600), 0);
    ASSERT_EQ(::symlink("loop-b.chm", native(at("loop-a.chm")).constData()), 0);
    ASSERT_EQ(::symlink("loop-a.chm", native(at("loop-b.chm")).constData()), 0);
    ASSERT_EQ(::symlink("/dev/null", native(at("device.chm")).constData()), 0);
    ASSERT_EQ(::symlink("gone.chm", native(at("dangling.chm")).constData()), 0);
    const int listening = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray socketName = native(at("socket.chm"));
    ASSERT_LT(static_cast<std::size_t>(socketName.size()), sizeof address.sun_path);
    std::memcpy(address.sun_path, socketName.constData(), static_cast<std::size_t>(socketName.size()));
    ASSERT_EQ(::bind(listening, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    for (const char* name : {"folder.chm", "pipe.chm", "loop-a.chm", "device.chm", "socket.chm"}) {
        EXPECT_EQ(windows.Show(at(name), 1), HelpWindows::Outcome::Damaged) << name;
    }
    ::close(listening);
    EXPECT_EQ(windows.Show(at("dangling.chm"), 1), HelpWindows::Outcome::Missing);
    EXPECT_EQ(windows.Count(), 1);
    windows.CloseAll();
    EXPECT_EQ(windows.Count(), 0);
}

}  // namespace
