#include <gtest/gtest.h>

#include <QApplication>
#include <QBackingStore>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <memory>
#include <utility>
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

TEST_F(MainFormFlowTest, AClickOrKeyRightAfterTheQuestionShowsDoesNotAnswerIt) {
    StartInEnglish();
    Session().NewGame();
    MakeAMove();
    const QImage started = Canvas();
    // Time stands still unless the answer moves it.
    clock.stepMs = 0;
    bool openAfterClick = false;
    bool openAfterKey = false;
    int shown = 0;
    answer = [&](QDialog& d) {
        ++shown;
        QTimer::singleShot(0, &d, [&] {
            ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
            auto* yes = d.findChild<QPushButton*>(QStringLiteral("OKBtn"));
            clock.ticks += 100;
            QTest::mouseClick(yes, Qt::LeftButton);
            openAfterClick = d.isVisible();
            if (openAfterClick) PressKey(Qt::Key_Return);
            openAfterKey = d.isVisible();
            // Time runs again for the pause after giving up.
            clock.ticks += SmallDialog::InputGuardMs - 100;
            clock.stepMs = 1000;
            if (openAfterKey) QTest::mouseClick(yes, Qt::LeftButton);
            if (d.isVisible()) d.done(StillOpen);
        });
        return d.exec();
    };
    Button(Command::NewDeal)->click();
    EXPECT_TRUE(openAfterClick) << "a click 0.1 s after the question came up answered it";
    EXPECT_TRUE(openAfterKey) << "Enter 0.1 s after the question came up answered it";
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(Stats().sinceStartLost, 1) << "once the question takes input, a click answers it";
    EXPECT_NE(Canvas(), started) << "dealt anew";
}

TEST_F(MainFormFlowTest, TheBoardUnderAnAnsweredQuestionIsDrawnAgainBeforeThePause) {
    StartInEnglish();
    Session().NewGame();
    MakeAMove();
    QRect under;
    int stale = -1;
    Answerer answerer({[&](QDialog& d) {
        // What a window system without a picture of each window shows under a dialog: its
        // pixels, until the window draws there again.
        under = QRect(form->mapFromGlobal(d.geometry().topLeft()), d.size())
                    .intersected(QRect(0, ToolStripHeight, ClientWidth, BoardHeight));
        ASSERT_FALSE(under.isEmpty());
        QPainter(form->backingStore()->paintDevice()).fillRect(under, Qt::magenta);
        ClickButton(d, "OKBtn");
        // The pause after giving up is the first thing to read the clock.
        clock.probe = [&] {
            if (stale >= 0) return;
            const QImage shown =
                form->screen()->grabWindow(form->winId()).toImage().convertToFormat(QImage::Format_RGB32);
            const QImage board = Canvas();
            stale = 0;
            for (int y = under.top(); y <= under.bottom(); ++y) {
                for (int x = under.left(); x <= under.right(); ++x) {
                    stale += (shown.pixel(x, y) & 0xFFFFFF) != (board.pixel(x, y) & 0xFFFFFF);
                }
            }
        };
    }});
    Session().NewGame();
    ASSERT_EQ(answerer.seen.size(), 1u);
    EXPECT_EQ(stale, 0) << "pixels under the question differ from the board before the pause";
}

}  // namespace
