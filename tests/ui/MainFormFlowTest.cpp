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

#include "ConfigHome.h"
#include "cards/BusyWait.h"
#include "FakeClock.h"
#include "DialogDriver.h"
#include "platform/Clock.h"
#include "platform/Surface.h"
#include "ui/DialogLook.h"
#include "ui/ScoreGauge.h"
#include "ui/TMainForm.h"

namespace {

void Click(QDialog& dialog, const char* button) {
    QTest::mouseClick(dialog.findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
}

class MainFormFlowTest : public ::testing::Test {
protected:
    MainFormFlowTest() {
        InstallFontSubstitutions();
        form.CurrentLanguage() = Language::Unset;
    }

    // A started program whose first-activation about box has been closed.
    void StartInEnglish() {
        form.CurrentLanguage() = Language::English;
        Answerer first({});
        ShowAndSettle();
    }
    void ShowAndSettle() {
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        QTest::qWait(50);
    }

    // Each window starts from an empty store, whatever earlier tests stored.
    bool storeCleared = (ClearNativeFolder(), true);
    FakeClock clock{0, 1000};
    ScopedClock scopedClock{clock};
    TMainForm form;
};

TEST_F(MainFormFlowTest, FirstActivationAsksTheLanguageThenShowsTheAboutBox) {
    Answerer answerer({[](QDialog& d) { Click(d, "GermanBtn"); }, [](QDialog& d) { d.done(1); }});
    ShowAndSettle();
    ASSERT_EQ(answerer.seen.size(), 2u);
    EXPECT_EQ(answerer.seen[0], QStringLiteral("TTongueDlg"));
    EXPECT_EQ(answerer.seen[1], QStringLiteral("TFreewareDlg"));
    EXPECT_EQ(form.CurrentLanguage(), Language::German);
    EXPECT_EQ(form.findChild<QToolButton*>(QStringLiteral("ExitBtn"))->toolTip(), QStringLiteral("Ich hab genug! (Strg+Q)"));
}

TEST_F(MainFormFlowTest, AStoredLanguageSkipsTheQuestion) {
    form.CurrentLanguage() = Language::English;
    Answerer answerer({});
    ShowAndSettle();
    ASSERT_EQ(answerer.seen.size(), 1u);
    EXPECT_EQ(answerer.seen[0], QStringLiteral("TFreewareDlg"));
}

TEST_F(MainFormFlowTest, QuitAnsweredNoKeepsRunningWithoutTheAboutBox) {
    StartInEnglish();
    Answerer answerer({[](QDialog& d) { Click(d, "CancelBtn"); }});
    form.findChild<QToolButton*>(QStringLiteral("ExitBtn"))->click();
    QTest::qWait(20);
    EXPECT_TRUE(form.isVisible());
    ASSERT_EQ(answerer.seen.size(), 1u);
    EXPECT_EQ(answerer.seen[0], QStringLiteral("TEndGameDlg"));
}

TEST_F(MainFormFlowTest, QuitAnsweredYesShowsTheAboutBoxAndCountsAStartedDeal) {
    StartInEnglish();
    form.NewGame();
    form.GameBoard().SetState(GameState::Started);
    Answerer answerer({[](QDialog& d) {
                           // A key goes to the active window: wait until the question is it.
                           EXPECT_TRUE(QTest::qWaitForWindowActive(&d));
                           QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Return);
                       },
                       [](QDialog& d) { d.done(1); }});
    form.close();
    EXPECT_FALSE(form.isVisible());
    ASSERT_EQ(answerer.seen.size(), 2u);
    EXPECT_EQ(answerer.seen[1], QStringLiteral("TFreewareDlg"));
    EXPECT_EQ(form.Stats().sinceStartLost, 1);
}

TEST_F(MainFormFlowTest, GiveUpAnsweredNoOrClosedKeepsTheDeal) {
    StartInEnglish();
    form.NewGame();
    form.GameBoard().SetState(GameState::Started);
    const int firstRank = form.GameBoard().Place(1, 0).TopRank();
    Answerer answerer({[](QDialog& d) { Click(d, "CancelBtn"); }, [](QDialog& d) { d.close(); }});
    form.NewGame();
    form.ResetGame();
    EXPECT_EQ(answerer.seen.size(), 2u);
    EXPECT_EQ(form.GameBoard().State(), GameState::Started);
    EXPECT_EQ(form.GameBoard().Place(1, 0).TopRank(), firstRank);
    EXPECT_EQ(form.Stats().sinceStartLost, 0);
}

TEST_F(MainFormFlowTest, OptionsOkRepaintsAndAppliesTextsAndTheScoreFollowsTheStatisticsDialog) {
    StartInEnglish();
    QToolButton* options = form.findChild<QToolButton*>(QStringLiteral("OptionsBtn"));
    const QRect stray(2, 200, 4, 4);
    const QRgb green = PixelFromColorRef(0x8000);
    form.WindowSurface().FillRect(stray, 0x0000FF);
    form.CurrentLanguage() = Language::German;
    {
        Answerer answerer({[](QDialog& d) { Click(d, "CancelBtn"); }});
        options->click();
        EXPECT_NE(form.WindowSurface().Pixel(3, 201), green);
        EXPECT_EQ(options->toolTip(), QStringLiteral("I want to change the configuration. (Ctrl+,)"));
    }
    {
        // OK without any change still repaints the board and applies the texts.
        Answerer answerer({[](QDialog& d) { Click(d, "OKBtn"); }});
        options->click();
        ASSERT_EQ(answerer.seen, std::vector<QString>{QStringLiteral("TOptionsDlg")});
        EXPECT_EQ(form.WindowSurface().Pixel(3, 201), green);
        EXPECT_EQ(options->toolTip(), QString::fromUtf8("Ich möcht etwas verändern. (Strg+,)"));
    }

    // The score strip is refreshed after the statistics dialog, whatever its answer.
    QToolButton* statistics = form.findChild<QToolButton*>(QStringLiteral("StatisticBtn"));
    auto* won = form.findChild<QLabel*>(QStringLiteral("won_label"));
    form.Flow().CountGame(true);
    form.Stats().CountWon();
    {
        Answerer answerer({[](QDialog& d) { Click(d, "CancelBtn"); }});
        statistics->click();
        EXPECT_EQ(won->text(), QStringLiteral("2"));
    }
    {
        Answerer answerer({[](QDialog& d) {
            d.findChild<QCheckBox*>(QStringLiteral("reset"))->click();
            Click(d, "OKBtn");
        }});
        statistics->click();
        EXPECT_EQ(won->text(), QStringLiteral("0"));
        EXPECT_EQ(form.findChild<ScoreGauge*>(QStringLiteral("gproz"))->Progress(), 50);
    }
}

}  // namespace
