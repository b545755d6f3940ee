#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QTest>
#include <QToolButton>

#include <csignal>
#include <vector>

#include "DialogDriver.h"
#include "MainWindowFixture.h"
#include "platform/QuitSignals.h"
#include "settings/SettingsStore.h"
#include "ui/SmallDialog.h"
#include "ui/TOptionsDlg.h"
#include "ui/TStatDlg.h"

namespace {

QString FileText() {
    QFile file(NativeFile());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

using MainFormSettingsTest = MainWindowFixture;

TEST_F(MainFormSettingsTest, FirstStartTakesTheDefaults) {
    Open();
    EXPECT_EQ(Session().CurrentLanguage(), Language::Unset);
    EXPECT_EQ(Session().BackgroundColor(), 0x8000u);
    EXPECT_EQ(Session().FrameColor(), 0u);
    EXPECT_EQ(Session().WindowSurface().Pixel(300, 200), PixelFromColorRef(0x8000));
    EXPECT_EQ(form->pos(), QPoint(269, 375));
}

TEST_F(MainFormSettingsTest, AnOrderlyRunStoresItsValuesAndTheNextRunReadsThem) {
    Open();
    AnswerEvery(SmallDialog::ResultYes);
    Show();
    Session().CurrentLanguage() = Language::German;
    Session().ChangeBackground(0x800000);
    Session().SetSoundOn(false);
    form->move(40, 30);
    form->close();
    form.reset();
    const QString text = FileText();
    EXPECT_TRUE(text.contains(QStringLiteral("common\\tongue=1"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("common\\sound=0")));
    EXPECT_TRUE(text.contains(QStringLiteral("common\\back=8388608")));
    EXPECT_TRUE(text.contains(QStringLiteral("common\\frame=0")));
    EXPECT_TRUE(text.contains(QStringLiteral("Form\\MainForm=\"200,")));

    Open();
    AnswerEvery(SmallDialog::ResultYes);
    EXPECT_EQ(Session().CurrentLanguage(), Language::German);
    EXPECT_FALSE(Session().SoundOn());
    EXPECT_EQ(Session().WindowSurface().Pixel(300, 200), PixelFromColorRef(0x800000));
    Show();
    EXPECT_EQ(form->pos(), QPoint(40, 30));
}

TEST_F(MainFormSettingsTest, CountersAndSwitchesSurviveARunAndAResetStoresZeros) {
    const SettingsStore store;
    Open();
    Session().Dialogs().SetRunner([](QDialog& dialog) {
        if (qobject_cast<TOptionsDlg*>(&dialog) == nullptr) return SmallDialog::ResultYes;
        return ExecDriven(dialog, [&dialog] {
            dialog.findChild<QCheckBox*>(QStringLiteral("slide"))->click();
            ClickButton(dialog, "OKBtn");
        });
    });
    Show();
    Stats().CountWon();
    Stats().CountWon();
    Session().ShowOptions();
    EXPECT_FALSE(Session().SlideOn());
    EXPECT_FALSE(store.ReadBool(SettingKey::Slide)) << "a choice is stored as it is made";
    // A deal still in play when the program closes is stored as lost.
    Session().NewGame();
    GameBoard().SetState(GameState::Started);
    form->close();
    EXPECT_EQ(Stats().sinceStartLost, 1);
    EXPECT_EQ(store.ReadInteger(SettingKey::TotalLost), 1) << "a game is stored as it is counted";
    form.reset();
    EXPECT_EQ(store.ReadInteger(SettingKey::TotalWon), 2);
    EXPECT_EQ(store.ReadInteger(SettingKey::TotalLost), 1);
    EXPECT_EQ(store.ReadInteger(SettingKey::LongestWon), 2);
    EXPECT_EQ(store.ReadInteger(SettingKey::LongestLost), 1);
    EXPECT_FALSE(store.ReadBool(SettingKey::Slide));
    EXPECT_TRUE(store.ReadBool(SettingKey::ShowMoves));

    // The next run starts from them; a reset and an orderly end store zeros.
    Open();
    QString shownTotal;
    Session().Dialogs().SetRunner([&shownTotal](QDialog& dialog) {
        if (qobject_cast<TStatDlg*>(&dialog) == nullptr) return SmallDialog::ResultYes;
        return ExecDriven(dialog, [&] {
            shownTotal = dialog.findChild<QLabel*>(QStringLiteral("twon"))->text();
            dialog.findChild<QCheckBox*>(QStringLiteral("reset"))->click();
            ClickButton(dialog, "OKBtn");
        });
    });
    EXPECT_FALSE(Session().SlideOn());
    Show();
    Session().ShowStatistics();
    EXPECT_EQ(shownTotal, QStringLiteral("2"));
    form->close();
    form.reset();
    for (SettingKey key : {SettingKey::TotalWon, SettingKey::TotalLost, SettingKey::LongestWon, SettingKey::LongestLost}) {
        EXPECT_EQ(store.ReadInteger(key), 0) << RowOf(key).name;
    }
}

TEST_F(MainFormSettingsTest, TwoRunningCopiesAddUpTheirGamesAndTheLatestChoiceWins) {
    const SettingsStore store;
    TMainForm& first = Open();
    auto second = std::make_unique<TMainForm>();
    first.Session().Dialogs().SetRunner([](QDialog&) { return SmallDialog::ResultYes; });
    second->Session().Dialogs().SetRunner([](QDialog&) { return SmallDialog::ResultYes; });
    first.Session().Stats().CountWon();
    second->Session().Stats().CountWon();
    second->Session().SetSoundOn(false);
    // The copy that knows less ends last.
    second->close();
    second.reset();
    first.close();
    form.reset();
    EXPECT_EQ(store.ReadInteger(SettingKey::TotalWon), 2);
    // Each copy won once in a row; games in two windows do not make one run.
    EXPECT_EQ(store.ReadInteger(SettingKey::LongestWon), 1);
    EXPECT_FALSE(store.ReadBool(SettingKey::Sound)) << "the copy that ended last put its old choice back";
}

TEST_F(MainFormSettingsTest, AQuitSignalEndsWithoutQuestionsAndKeepsEveryLoss) {
    const SettingsStore store;
    Open();
    QuitSignals quitSignals;
    QObject::connect(&quitSignals, &QuitSignals::Received, form.get(), [this] { Session().EndWithoutQuestions(); });
    Session().CurrentLanguage() = Language::English;
    {
        Answerer about({});
        ShowAndSettle();
    }
    Session().NewGame();
    GameBoard().SetState(GameState::Started);
    {
        Answerer yes({[](QDialog& d) { ClickButton(d, "OKBtn"); }});
        Session().NewGame();
    }
    EXPECT_EQ(store.ReadInteger(SettingKey::TotalLost), 1) << "a lost deal is stored as it is counted";

    // The next deal is under way and its give-up question is up when the signal comes.
    GameBoard().SetState(GameState::Started);
    Answerer signalled({[](QDialog& d) {
        std::raise(SIGTERM);
        EXPECT_TRUE(QTest::qWaitFor([&d] { return !d.isVisible(); })) << "the question stayed up";
    }});
    Session().NewGame();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !form->isVisible(); }));
    EXPECT_EQ(signalled.seen, std::vector<QString>{QStringLiteral("TGiveUpDlg")}) << "no quit question, no about box";
    EXPECT_EQ(store.ReadInteger(SettingKey::TotalLost), 2) << "the deal in play counts as lost";
    EXPECT_EQ(store.ReadInteger(SettingKey::Language), 0);
}

TEST_F(MainFormSettingsTest, AnUnknownLanguageNumberShowsEnglishAsksNothingAndIsKept) {
    WriteRawFile(NativeFile(), "[V1]\ncommon\\tongue=7\n");
    Open();
    std::vector<QString> shown;
    Session().Dialogs().SetRunner([&shown](QDialog& dialog) {
        shown.push_back(QString::fromLatin1(dialog.metaObject()->className()));
        return SmallDialog::ResultYes;
    });
    form->show();
    // The first activation ends with the about box.
    ASSERT_TRUE(QTest::qWaitFor([&shown] { return !shown.empty(); }));
    EXPECT_EQ(shown, std::vector<QString>{QStringLiteral("TFreewareDlg")}) << "no language question";
    EXPECT_EQ(Button(ToolStrip::Command::Quit)->toolTip(), QStringLiteral("I've got enough..."));
    form->close();
    form.reset();
    EXPECT_TRUE(FileText().contains(QStringLiteral("common\\tongue=7\n"))) << FileText().toStdString();
}

TEST_F(MainFormSettingsTest, AValueThatIsNotTextFallsBackWithoutStoppingTheWindow) {
    WriteRawFile(NativeFile(), "[V1]\ncommon\\back=a, b\ncommon\\tongue=0\n");
    Open();
    EXPECT_EQ(Session().BackgroundColor(), 0x8000u);
    EXPECT_EQ(Session().CurrentLanguage(), Language::English) << "the other values are still read";
}

}  // namespace
