#include <gtest/gtest.h>

#include <QTextBrowser>
#include <QTreeWidget>

#include "help/ChmFile.h"
#include "help/HelpControl.h"
#include "help/HelpViewer.h"
#include "help/HelpWindows.h"

namespace {

TEST(HelpViewer, OpensTheCommittedFileAtContextOneAndFollowsItsLinks) {
    HelpControl::LoadHelpControl();
    ASSERT_NE(HelpControl::HtmlHelpA(), nullptr) << "chmlib (libchm1) is needed for this test";
    const QString helpFile = QStringLiteral(TVDL_HELP_FILE);

    QWidget* window = HelpControl::HtmlHelpA()(nullptr, helpFile, HelpControl::HH_HELP_CONTEXT, 1);
    auto* viewer = qobject_cast<HelpViewer*>(window);
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
    EXPECT_EQ(HelpControl::HtmlHelpA()(nullptr, helpFile, HelpControl::HH_HELP_CONTEXT, 1), window);
    EXPECT_EQ(viewer->CurrentTopic(), QStringLiteral("/index.htm"));
    EXPECT_EQ(HelpWindows::Count(), 1);

    // A file that cannot be read gives no window; closing all leaves none.
    EXPECT_EQ(HelpControl::HtmlHelpA()(nullptr, helpFile + QStringLiteral(".missing"), HelpControl::HH_HELP_CONTEXT, 1),
              nullptr);
    HelpControl::CloseAllHelpWindows();
    EXPECT_EQ(HelpWindows::Count(), 0);
    HelpControl::UnloadHelpControl();
}

}  // namespace
