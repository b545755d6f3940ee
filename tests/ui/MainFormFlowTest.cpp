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
    MainFormFlowTest() { Open(); }

    // A started program whose first-activation about box has been closed.
    void StartInEnglish() {
        Session().CurrentLanguage() = Language::English;
        Answerer first({});
        ShowAndSettle();
    }
};

TEST_F(MainFormFlowTest, FirstActivationAsksTheLanguageThenShowsTheAboutBox) {
    Answerer answerer({[](QDialog& d) { ClickButton(d, "GermanBtn"); }, [](QDialog& d) { d.done(1); }});
    ShowAndSettle();
    ASSERT_EQ(answerer.seen.size(), 2u);
    EXPECT_EQ(answerer.seen[0], QStringLiteral("TTongueDlg"));
    EXPECT_EQ(answerer.seen[1], QStringLiteral("TFreewareDlg"));
    EXPECT_EQ(Session().CurrentLanguage(), Language::German);
    EXPECT_EQ(Button(Command::Quit)->toolTip(), QStringLiteral("Ich hab genug!"));
}

TEST_F(MainFormFlowTest, AStoredLanguageSkipsTheQuestion) {
    Session().CurrentLanguage() = Language::English;
    Answerer answerer({});
    ShowAndSettle();
    ASSERT_EQ(answerer.seen.size(), 1u);
    EXPECT_EQ(answerer.seen[0], QStringLiteral("TFreewareDlg"));
}

TEST_F(MainFormFlowTest, QuitAnsweredNoKeepsRunningWithoutTheAboutBox) {
    StartInEnglish();
    Answerer answerer({[](QDialog& d) { ClickButton(d, "CancelBtn"); }});
    Button(Command::Quit)->click();
    QTest::qWait(20);
    EXPECT_TRUE(form->isVisible());
    ASSERT_EQ(answerer.seen.size(), 1u);
    EXPECT_EQ(answerer.seen[0], QStringLiteral("TEndGameDlg"));
}

TEST_F(MainFormFlowTest, QuitAnsweredYesShowsTheAboutBoxAndCountsAStartedDeal) {
    StartInEnglish();
    Session().NewGame();
    GameBoard().SetState(GameState::Started);
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
    Session().NewGame();
    GameBoard().SetState(GameState::Started);
    const int firstRank = GameBoard().Place(1, 0).TopRank();
    Answerer answerer({[](QDialog& d) { ClickButton(d, "CancelBtn"); }, [](QDialog& d) { d.close(); }});
    Session().NewGame();
    Session().ResetGame();
    EXPECT_EQ(answerer.seen.size(), 2u);
    EXPECT_EQ(GameBoard().State(), GameState::Started);
    EXPECT_EQ(GameBoard().Place(1, 0).TopRank(), firstRank);
    EXPECT_EQ(Stats().sinceStartLost, 0);
}

TEST_F(MainFormFlowTest, OptionsOkRepaintsAndAppliesTextsAndTheScoreFollowsTheStatisticsDialog) {
    StartInEnglish();
    QAbstractButton* options = Button(Command::Options);
    const QRect stray(2, 200, 4, 4);
    const QRgb green = PixelFromColorRef(0x8000);
    Session().WindowSurface().FillRect(stray, 0x0000FF);
    Session().CurrentLanguage() = Language::German;
    {
        Answerer answerer({[](QDialog& d) { ClickButton(d, "CancelBtn"); }});
        options->click();
        EXPECT_NE(Session().WindowSurface().Pixel(3, 201), green);
        EXPECT_EQ(options->toolTip(), QStringLiteral("I want to change the configuration."));
    }
    {
        // OK without any change still repaints the board and applies the texts.
        Answerer answerer({[](QDialog& d) { ClickButton(d, "OKBtn"); }});
        options->click();
        ASSERT_EQ(answerer.seen, std::vector<QString>{QStringLiteral("TOptionsDlg")});
        EXPECT_EQ(Session().WindowSurface().Pixel(3, 201), green);
        EXPECT_EQ(options->toolTip(), QString::fromUtf8("Ich möcht etwas verändern."));
    }

    // The score strip is refreshed after the statistics dialog, whatever its answer.
    QAbstractButton* statistics = Button(Command::Statistics);
    auto* won = form->findChild<QLabel*>(QStringLiteral("won_label"));
    Stats().CountWon();
    Stats().CountWon();
    {
        Answerer answerer({[](QDialog& d) { ClickButton(d, "CancelBtn"); }});
        statistics->click();
        EXPECT_EQ(won->text(), QStringLiteral("2"));
    }
    {
        Answerer answerer({[](QDialog& d) {
            d.findChild<QCheckBox*>(QStringLiteral("reset"))->click();
            ClickButton(d, "OKBtn");
        }});
        statistics->click();
        EXPECT_EQ(won->text(), QStringLiteral("0"));
        EXPECT_EQ(form->findChild<ScoreGauge*>(QStringLiteral("gproz"))->Progress(), 50);
    }
}

TEST_F(MainFormFlowTest, AClickOrKeyRightAfterTheQuestionShowsDoesNotAnswerIt) {
    StartInEnglish();
    Session().NewGame();
    GameBoard().SetState(GameState::Started);
    // Time stands still unless the answer moves it.
    clock.stepMs = 0;
    bool openAfterClick = false;
    bool openAfterKey = false;
    int shown = 0;
    Session().Dialogs().SetRunner([&](QDialog& d) {
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
    });
    Button(Command::NewDeal)->click();
    EXPECT_TRUE(openAfterClick) << "a click 0.1 s after the question came up answered it";
    EXPECT_TRUE(openAfterKey) << "Enter 0.1 s after the question came up answered it";
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(Stats().sinceStartLost, 1) << "once the question takes input, a click answers it";
    EXPECT_EQ(GameBoard().State(), GameState::Dealt);
}

// Calls a probe at its next read, then goes on as a clock whose reads are a second apart.
class ProbeClock final : public Clock {
public:
    std::uint32_t TickCount() override {
        if (probe) std::exchange(probe, {})();
        return ticks += 1000;
    }
    bool PerformanceCounter(std::uint64_t&) override { return false; }

    std::uint32_t ticks = 0;
    std::function<void()> probe;
};

TEST_F(MainFormFlowTest, TheBoardUnderAnAnsweredQuestionIsDrawnAgainBeforeThePause) {
    StartInEnglish();
    Session().NewGame();
    GameBoard().SetState(GameState::Started);
    ProbeClock probeClock;
    const ScopedClock scoped(probeClock);
    QRect under;
    int stale = -1;
    Answerer answerer({[&](QDialog& d) {
        // What a window system without a picture of each window shows under a dialog: its
        // pixels, until the window draws there again.
        under = QRect(form->mapFromGlobal(d.geometry().topLeft()), d.size()).intersected(
            QRect(0, Board::ToolStripHeight, TMainForm::ClientWidth, 290));
        ASSERT_FALSE(under.isEmpty());
        QPainter(form->backingStore()->paintDevice()).fillRect(under, Qt::magenta);
        ClickButton(d, "OKBtn");
        // The pause after giving up is the first thing to read the clock.
        probeClock.probe = [&] {
            const QImage shown = form->screen()->grabWindow(form->winId()).toImage().convertToFormat(QImage::Format_RGB32);
            stale = 0;
            for (int y = under.top(); y <= under.bottom(); ++y) {
                for (int x = under.left(); x <= under.right(); ++x) {
                    stale += (shown.pixel(x, y) & 0xFFFFFF) != (Session().WindowSurface().Pixel(x, y) & 0xFFFFFF);
                }
            }
        };
    }});
    Session().NewGame();
    ASSERT_EQ(answerer.seen.size(), 1u);
    EXPECT_EQ(stale, 0) << "pixels under the question differ from the board before the pause";
}

}  // namespace
