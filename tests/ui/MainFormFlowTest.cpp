#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
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
#include "ui/DialogLook.h"
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
    EXPECT_EQ(form.findChild<QToolButton*>(QStringLiteral("ExitBtn"))->toolTip(), QStringLiteral("Ich hab genug!"));
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
    Answerer answerer({[](QDialog& d) { QTest::keyClick(&d, Qt::Key_Return); },
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

}  // namespace
