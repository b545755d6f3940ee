#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>
#include <memory>
#include <vector>

#include "DialogDriver.h"
#include "MainWindowFixture.h"
#include "ui/ScoreGauge.h"

namespace {

using Command = ToolStrip::Command;

class MainFormFlowTest : public MainWindowFixture {
protected:
    // A started program whose first-activation about box has been closed.
    void StartInEnglish() {
        StoreLanguage(Language::English);
        Open();
        Answerer first({});
        ShowAndSettle();
    }
};

TEST_F(MainFormFlowTest, FirstActivationAsksTheLanguageThenShowsTheAboutBox) {
    Open();
    Answerer answerer({[](QDialog& d) { ClickButton(d, "GermanBtn"); }, [](QDialog& d) { d.done(1); }});
    ShowAndSettle();
    ASSERT_EQ(answerer.seen.size(), 2u);
    EXPECT_EQ(answerer.seen[0], QStringLiteral("TTongueDlg"));
    EXPECT_EQ(answerer.seen[1], QStringLiteral("TFreewareDlg"));
    EXPECT_EQ(Button(Command::Quit)->toolTip(), QStringLiteral("Ich hab genug!"));
}

TEST_F(MainFormFlowTest, QuitAnsweredNoKeepsRunningWithoutTheAboutBox) {
    StartInEnglish();
    Answerer answerer({[](QDialog& d) { ClickButton(d, "CancelBtn"); }});
    Button(Command::Quit)->click();
    QCoreApplication::processEvents();
    EXPECT_TRUE(form->isVisible());
    ASSERT_EQ(answerer.seen.size(), 1u);
    EXPECT_EQ(answerer.seen[0], QStringLiteral("TEndGameDlg"));
}

TEST_F(MainFormFlowTest, QuitAnsweredYesShowsTheAboutBoxAndCountsAStartedDeal) {
    StartInEnglish();
    Click(Command::NewDeal);
    MakeAMove();
    Answerer answerer({[](QDialog& d) {
                           // A key goes to the active window: wait until the question is it.
                           EXPECT_TRUE(QTest::qWaitForWindowActive(&d));
                           QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Return);
                       },
                       [](QDialog& d) { d.done(1); }});
    form->close();
    EXPECT_FALSE(form->isVisible());
    ASSERT_EQ(answerer.seen.size(), 2u);
    EXPECT_EQ(answerer.seen[1], QStringLiteral("TFreewareDlg"));
    EXPECT_EQ(Stats().sinceStartLost, 1);
}

TEST_F(MainFormFlowTest, GiveUpAnsweredNoOrClosedKeepsTheDeal) {
    StartInEnglish();
    Click(Command::NewDeal);
    MakeAMove();
    const QImage started = Canvas();
    Answerer answerer({[](QDialog& d) { ClickButton(d, "CancelBtn"); }, [](QDialog& d) { d.close(); },
                       [](QDialog& d) { ClickButton(d, "OKBtn"); }});
    Click(Command::NewDeal);
    Click(Command::Replay);
    EXPECT_EQ(answerer.seen.size(), 2u);
    EXPECT_EQ(Canvas(), started);
    EXPECT_EQ(Stats().sinceStartLost, 0);
    // Still started: giving it up now counts it.
    Click(Command::NewDeal);
    EXPECT_EQ(answerer.seen.size(), 3u);
    EXPECT_EQ(Stats().sinceStartLost, 1);
}

TEST_F(MainFormFlowTest, OptionsOkRepaintsAndAppliesTextsAndTheScoreFollowsTheStatisticsDialog) {
    StartInEnglish();
    QAbstractButton* options = Button(Command::Options);
    PaintCounter paints(*BoardView(), QRect(0, ToolStripHeight, ClientWidth, BoardHeight));
    const QString stale = QStringLiteral("stale");
    options->setToolTip(stale);
    {
        Answerer answerer({[](QDialog& d) { ClickButton(d, "CancelBtn"); }});
        options->click();
        QCoreApplication::processEvents();
        EXPECT_EQ(paints.paints, 0);
        EXPECT_EQ(options->toolTip(), stale);
    }
    {
        // OK without any change still repaints the board and applies the texts.
        Answerer answerer({[](QDialog& d) { ClickButton(d, "OKBtn"); }});
        options->click();
        QCoreApplication::processEvents();
        ASSERT_EQ(answerer.seen, std::vector<QString>{QStringLiteral("TOptionsDlg")});
        EXPECT_GT(paints.paints, 0);
        EXPECT_EQ(options->toolTip(), QStringLiteral("I want to change the configuration."));
    }

    // The score strip starts at nothing counted and is refreshed after the statistics dialog,
    // whatever its answer.
    QAbstractButton* statistics = Button(Command::Statistics);
    auto* won = form->findChild<QLabel*>(QStringLiteral("won_label"));
    auto* gauge = form->findChild<ScoreGauge*>(QStringLiteral("gproz"));
    EXPECT_EQ(won->text(), QStringLiteral("0"));
    EXPECT_EQ(form->findChild<QLabel*>(QStringLiteral("lost_label"))->text(), QStringLiteral("0"));
    EXPECT_EQ(gauge->Progress(), 50);
    Stats().CountWon();
    Stats().CountWon();
    Stats().CountLost();
    {
        Answerer answerer({[](QDialog& d) { ClickButton(d, "CancelBtn"); }});
        statistics->click();
        EXPECT_EQ(won->text(), QStringLiteral("2"));
        EXPECT_EQ(gauge->Progress(), 66);
    }
    {
        Answerer answerer({[](QDialog& d) {
            d.findChild<QCheckBox*>(QStringLiteral("reset"))->click();
            ClickButton(d, "OKBtn");
        }});
        statistics->click();
        EXPECT_EQ(won->text(), QStringLiteral("0"));
        EXPECT_EQ(gauge->Progress(), 50);
    }
}

}  // namespace
