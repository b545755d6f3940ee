#include <gtest/gtest.h>

#include <QTextBrowser>
#include <QTreeWidget>

#include "help/ChmFile.h"
#include "help/ChmLibrary.h"
#include "help/HelpPlatform.h"
#include "help/HelpViewer.h"
#include "help/HelpWindows.h"

namespace {

TEST(HelpViewer, OpensTheCommittedFileAtContextOneAndFollowsItsLinks) {
    ChmLibrary chm;
    ASSERT_TRUE(chm.Load(HelpPlatform::HelpControlName(), QString())) << "chmlib (libchm1) is needed for this test";
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
    EXPECT_EQ(contents->topLevelItem(1)->child(2)->text(0), QStringLiteral("Zughinweise und die rechte Maustaste"));
    EXPECT_EQ(contents->topLevelItem(2)->childCount(), 7);

    // A relative link, then pictures and the way back up, all from inside the file.
    emit page->anchorClicked(QUrl(QStringLiteral("de/regeln.htm")));
    EXPECT_EQ(viewer->CurrentTopic(), QStringLiteral("/de/regeln.htm"));
    EXPECT_TRUE(page->toPlainText().contains(QString::fromUtf8("Lücken füllen")));
    EXPECT_EQ(contents->currentItem(), contents->topLevelItem(1)->child(0));
    const QVariant picture = page->loadResource(QTextDocument::ImageResource, QUrl(QStringLiteral("../img/board.png")));
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
    EXPECT_EQ(windows.Count(), 1);
    windows.CloseAll();
    EXPECT_EQ(windows.Count(), 0);
}

}  // namespace
