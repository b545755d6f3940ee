#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>

#include "DialogDriver.h"
#include "media/LinkLabel.h"
#include "ui/TFreewareDlg.h"

namespace {

class FreewareDlgTest : public ::testing::Test {
protected:
    QStringList opened;
    bool openerSucceeds = true;
    Language language = Language::English;
    std::unique_ptr<QWidget> main = MakeMainWindow();
    TFreewareDlg dialog{main.get(), language, [this](const QString& address) {
                            opened << address;
                            return openerSucceeds;
                        }};

    QPlainTextEdit* Memo(const char* name) {
        return dialog.findChild<QPlainTextEdit*>(QString::fromLatin1(name));
    }
    LinkLabel* Link(const char* name) { return dialog.findChild<LinkLabel*>(QString::fromLatin1(name)); }
};

TEST_F(FreewareDlgTest, EnterAnswersOkAndEscDoesNothing) {
    EXPECT_EQ(ExecDriven(dialog, [] { PressKey(Qt::Key_Return); }), 1);
    EXPECT_EQ(ExecDriven(dialog, [] { PressKey(Qt::Key_Escape); }), StillOpen);
    EXPECT_EQ(ExecDriven(dialog, [this] { CloseBox(dialog); }), 2);
}

TEST_F(FreewareDlgTest, TheMemoKeepsEnterForItself) {
    EXPECT_EQ(ExecDriven(dialog,
                         [this] {
                             PressKey(Qt::Key_Tab);
                             EXPECT_EQ(QApplication::focusWidget(), Memo("Memoeng"));
                             PressKey(Qt::Key_Return);
                         }),
              StillOpen);
}

TEST_F(FreewareDlgTest, ShowsExactlyOneMemoAndTheMembershipInTheLanguage) {
    auto* member = dialog.findChild<QLabel*>(QStringLiteral("memberlabel"));
    const struct {
        Language shown;
        const char* visible;
        const char* hidden;
        const char* membership;
    } cases[] = {{Language::German, "Memodeu", "Memoeng", "Torvik Bytes ist Mitglied"},
                 {Language::English, "Memoeng", "Memodeu", "Torvik Bytes is a member"},
                 {Language::Unset, "Memoeng", "Memodeu", "Torvik Bytes is a member"},
                 {Language::German, "Memodeu", "Memoeng", "Torvik Bytes ist Mitglied"}};
    for (const auto& expected : cases) {
        language = expected.shown;
        ExecDriven(dialog, [&] {
            EXPECT_TRUE(Memo(expected.visible)->isVisible()) << expected.visible;
            EXPECT_FALSE(Memo(expected.hidden)->isVisible()) << expected.hidden;
            EXPECT_TRUE(member->text().startsWith(QString::fromUtf8(expected.membership)));
            EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Torvik Bytes - Freeware-Info"));
        });
    }
}

TEST_F(FreewareDlgTest, LinksOpenTheMakersAddresses) {
    ExecDriven(dialog, [this] {
        QTest::mouseClick(Link("LMDSimpleLabel1"), Qt::LeftButton);
        QTest::mouseClick(Link("LMDSimpleLabel2"), Qt::LeftButton);
    });
    EXPECT_EQ(opened, QStringList({QStringLiteral("mailto:torvik@example.org"),
                                   QStringLiteral("https://www.example.org/torvik")}));
    EXPECT_EQ(Link("LMDSimpleLabel1")->text(), QStringLiteral("torvik@example.org"));
    EXPECT_EQ(Link("LMDSimpleLabel2")->text(), QStringLiteral("https://www.example.org/torvik"));
}

TEST_F(FreewareDlgTest, LinkStateOutlivesTheShowing) {
    openerSucceeds = false;
    ExecDriven(dialog, [this] { QTest::mouseClick(Link("LMDSimpleLabel2"), Qt::LeftButton); });
    ExecDriven(dialog, [this] {
        EXPECT_TRUE(Link("LMDSimpleLabel2")->IsVisited());
        EXPECT_FALSE(Link("LMDSimpleLabel2")->isEnabled());
        EXPECT_FALSE(Link("LMDSimpleLabel1")->IsVisited());
        EXPECT_TRUE(Link("LMDSimpleLabel1")->isEnabled());
    });
}

}  // namespace
