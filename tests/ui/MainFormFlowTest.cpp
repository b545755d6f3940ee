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
#include "platform/FakeClock.h"
#include "ui/DialogLook.h"
#include "ui/TEndGameDlg.h"
#include "ui/TFreewareDlg.h"
#include "ui/TGiveUpDlg.h"
#include "ui/TMainForm.h"
#include "ui/TTongueDlg.h"
#include "ui/TWonDlg.h"

namespace {

// Answers the modal dialogs the main window opens, one scripted answer each, and records which
// dialogs appeared in which order.
class Answerer {
public:
    using Answer = std::function<void(QDialog&)>;

    explicit Answerer(std::vector<Answer> script) : answers(std::move(script)) {
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [this] { Poll(); });
        timer.start();
    }

    std::vector<QString> seen;

private:
    void Poll() {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible() || dialog == last) return;
        last = dialog;
        seen.push_back(QString::fromLatin1(dialog->metaObject()->className()));
        if (next < answers.size()) {
            answers[next++](*dialog);
        } else {
            dialog->done(2);
        }
        last = nullptr;
    }

    QTimer timer;
    std::vector<Answer> answers;
    std::size_t next = 0;
    QDialog* last = nullptr;
};

void Click(QDialog& dialog, const char* button) {
    QTest::mouseClick(dialog.findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
}

class MainFormFlowTest : public ::testing::Test {
protected:
    MainFormFlowTest() : form(clock) {
        SetBusyWaitClock(&clock);
        InstallFontSubstitutions();
        Language& language = form.CurrentLanguage();
        language = Language::Unset;
        about = std::make_unique<TFreewareDlg>(&form, language);
        tongue = std::make_unique<TTongueDlg>(&form, language);
        endGame = std::make_unique<TEndGameDlg>(&form, language);
        giveUp = std::make_unique<TGiveUpDlg>(&form, language);
        won = std::make_unique<TWonDlg>(&form, language);
    }
    ~MainFormFlowTest() override {
        form.SetDialogs({});
        SetBusyWaitClock(nullptr);
    }

    void Wire() { form.SetDialogs({about.get(), tongue.get(), endGame.get(), giveUp.get(), won.get()}); }
    // A started program whose first-activation about box has been closed.
    void StartInEnglish() {
        form.CurrentLanguage() = Language::English;
        Wire();
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
    TMainForm form;
    std::unique_ptr<TFreewareDlg> about;
    std::unique_ptr<TTongueDlg> tongue;
    std::unique_ptr<TEndGameDlg> endGame;
    std::unique_ptr<TGiveUpDlg> giveUp;
    std::unique_ptr<TWonDlg> won;
};

TEST_F(MainFormFlowTest, FirstActivationAsksTheLanguageThenShowsTheAboutBox) {
    Wire();
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
    Wire();
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
    Answerer answerer({[](QDialog&) { QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Return); },
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
