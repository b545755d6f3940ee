#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <csignal>
#include <vector>

#include "DialogDriver.h"
#include "MainWindowFixture.h"
#include "platform/QuitSignals.h"
#include "settings/GameRecord.h"
#include "settings/SettingsStore.h"
#include "ui/SmallDialog.h"
#include "ui/TOptionsDlg.h"
#include "ui/TStatDlg.h"
#include "ui/TTongueDlg.h"

namespace {

using MainFormSettingsTest = MainWindowFixture;

TEST_F(MainFormSettingsTest, FirstStartTakesTheDefaults) {
    Open();
    EXPECT_EQ(Session().BackgroundColor(), 0x8000u);
    EXPECT_EQ(Session().FrameColor(), 0u);
    EXPECT_EQ(Canvas().pixel(300, 200), PixelFromColorRef(0x8000));
    EXPECT_EQ(form->pos(), QPoint(269, 375));
}

TEST_F(MainFormSettingsTest, AnOrderlyRunStoresItsValuesAndTheNextRunReadsThem) {
    Open();
    AnswerEvery(SmallDialog::ResultYes);
    ShowAndSettle();
    answer = [](QDialog& dialog) {
        return ExecDriven(dialog, [&dialog] { ClickButton(dialog, "GermanBtn"); });
    };
    Click(ToolStrip::Command::Language);
    AnswerEvery(SmallDialog::ResultYes);
    SwitchSound(false);
    Session().ChangeBackground(0x800000);
    form->move(40, 30);
    form->close();
    form.reset();
    const QString text = QString::fromUtf8(NativeFileText());
    EXPECT_TRUE(text.contains(QStringLiteral("common\\tongue=1"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("common\\sound=0")));
    EXPECT_TRUE(text.contains(QStringLiteral("common\\back=8388608")));
    EXPECT_TRUE(text.contains(QStringLiteral("common\\frame=0")));
    EXPECT_TRUE(text.contains(QStringLiteral("Form\\MainForm=\"200,")));

    dialogsRun.clear();
    Open();
    AnswerEvery(SmallDialog::ResultYes);
    EXPECT_EQ(Canvas().pixel(300, 200), PixelFromColorRef(0x800000));
    ShowAndSettle();
    Session().NewGame();
    EXPECT_TRUE(Cues().empty()) << "the sound stays off";
    EXPECT_EQ(form->pos(), QPoint(40, 30));
    EXPECT_EQ(dialogsRun, std::vector<QString>{QStringLiteral("TFreewareDlg")}) << "no language question";
    EXPECT_EQ(Button(ToolStrip::Command::Quit)->toolTip(), QStringLiteral("Ich hab genug!"));
}

TEST_F(MainFormSettingsTest, CountersAndSwitchesSurviveARunAndAResetStoresZeros) {
    const SettingsStore store;
    Open();
    answer = [](QDialog& dialog) {
        if (qobject_cast<TOptionsDlg*>(&dialog) == nullptr) return SmallDialog::ResultYes;
        return ExecDriven(dialog, [&dialog] {
            dialog.findChild<QCheckBox*>(QStringLiteral("slide"))->click();
            ClickButton(dialog, "OKBtn");
        });
    };
    Show();
    Stats().CountWon();
    Stats().CountWon();
    Session().ShowOptions();
    EXPECT_FALSE(Session().Switches().slide);
    EXPECT_FALSE(store.ReadBool(SettingKey::Slide)) << "a choice is stored as it is made";
    // A deal still in play when the program closes is stored as lost.
    Session().NewGame();
    MakeAMove();
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
    QPointer<QDialog> statistics;
    answer = [&shownTotal, &statistics](QDialog& dialog) {
        if (qobject_cast<TStatDlg*>(&dialog) == nullptr) return SmallDialog::ResultYes;
        statistics = &dialog;
        return ExecDriven(dialog, [&] {
            shownTotal = dialog.findChild<QLabel*>(QStringLiteral("twon"))->text();
            dialog.findChild<QCheckBox*>(QStringLiteral("reset"))->click();
            ClickButton(dialog, "OKBtn");
        });
    };
    EXPECT_FALSE(Session().Switches().slide);
    Show();
    Session().ShowStatistics();
    EXPECT_EQ(shownTotal, QStringLiteral("2"));
    ASSERT_TRUE(statistics);
    EXPECT_EQ(statistics->windowHandle(), nullptr) << "a closed box keeps no window, nor its picture";
    form->close();
    form.reset();
    for (SettingKey key :
         {SettingKey::TotalWon, SettingKey::TotalLost, SettingKey::LongestWon, SettingKey::LongestLost}) {
        EXPECT_EQ(store.ReadInteger(key), 0) << RowOf(key).name;
    }
}

TEST_F(MainFormSettingsTest, TwoRunningCopiesAddUpTheirGamesAndTheLatestChoiceWins) {
    const SettingsStore store;
    TMainForm& first = Open();
    AnswerEvery(SmallDialog::ResultYes);
    auto answerSecond = [](QDialog& dialog) {
        return qobject_cast<TOptionsDlg*>(&dialog) ? AnswerWithSound(dialog, false) : SmallDialog::ResultYes;
    };
    auto second =
        std::make_unique<TMainForm>(SessionServices{std::make_unique<FakeAudioOut>(), answerSecond});
    first.Session().Stats().CountWon();
    second->Session().Stats().CountWon();
    second->Session().ShowOptions();
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
    StoreLanguage(Language::English);
    Open();
    // Far beyond what the end takes here, so that a slow machine does not end the test program.
    QuitSignals quitSignals(nullptr, std::chrono::seconds(50));
    QObject::connect(&quitSignals, &QuitSignals::Received, form.get(),
                     [this] { Session().EndWithoutQuestions(); });
    {
        Answerer about({});
        ShowAndSettle();
    }
    Session().NewGame();
    MakeAMove();
    {
        Answerer yes({[](QDialog& d) { ClickButton(d, "OKBtn"); }});
        Session().NewGame();
    }
    EXPECT_EQ(store.ReadInteger(SettingKey::TotalLost), 1) << "a lost deal is stored as it is counted";

    // The next deal is under way and its give-up question is up when the signal comes.
    MakeAMove();
    Answerer signalled({[](QDialog& d) {
        std::raise(SIGTERM);
        EXPECT_TRUE(QTest::qWaitFor([&d] { return !d.isVisible(); })) << "the question stayed up";
    }});
    Session().NewGame();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !form->isVisible(); }));
    EXPECT_EQ(signalled.seen, std::vector<QString>{QStringLiteral("TGiveUpDlg")})
        << "no quit question, no about box";
    EXPECT_EQ(store.ReadInteger(SettingKey::TotalLost), 2) << "the deal in play counts as lost";
    EXPECT_EQ(store.ReadInteger(SettingKey::Language), 0);
    // The record holds what the store counted, each deal with how it ended.
    const std::vector<RecordRow> rows = GameRecord(GameRecord::DefaultPath()).Rows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].result, DealResult::QuietEnd);
    EXPECT_EQ(rows[1].result, DealResult::GivenUp);
    for (const RecordRow& row : rows) {
        EXPECT_EQ(row.moves, 1);
        EXPECT_EQ(row.reshuffles, 0);
        EXPECT_EQ(row.language, QStringLiteral("en"));
    }
}

TEST_F(MainFormSettingsTest, AStoreThatCannotBeWrittenGetsOneGuardedNoticeInTheGamesLanguageAndLosesNothing) {
    // A folder where the file belongs stops every write, also of a process that ignores permissions.
    QDir().mkpath(NativeFile());
    Open();
    std::vector<QString> notices;
    bool heldOffAtFirst = false;
    answer = [&](QDialog& dialog) {
        if (qobject_cast<TTongueDlg*>(&dialog) != nullptr) {
            return ExecDriven(dialog, [&dialog] { ClickButton(dialog, "GermanBtn"); });
        }
        if (dialog.objectName() != QLatin1String("SettingsNotice")) return SmallDialog::ResultYes;
        notices.push_back(static_cast<QMessageBox&>(dialog).text());
        // Time stands still until the player has read it.
        clock.stepMs = 0;
        QTimer::singleShot(0, &dialog, [&] {
            ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
            PressKey(Qt::Key_Return);
            heldOffAtFirst = dialog.isVisible();
            clock.ticks += SmallDialog::InputGuardMs;
            if (heldOffAtFirst) PressKey(Qt::Key_Return);
            clock.stepMs = 1000;
            if (dialog.isVisible()) dialog.done(StillOpen);
        });
        return dialog.exec();
    };
    ShowAndSettle();
    ASSERT_TRUE(QTest::qWaitFor([&notices] { return !notices.empty(); }, WaitLimitMs)) << "no notice";
    EXPECT_TRUE(heldOffAtFirst) << "Enter right after the notice came up closed it unread";
    EXPECT_TRUE(notices[0].contains(NativeFile())) << notices[0].toStdString();
    EXPECT_TRUE(notices[0].contains(QStringLiteral("An Stelle der Datei steht ein Ordner.")))
        << notices[0].toStdString();

    // Two lost deals, each a failed write: the game plays on without another word.
    for (int deal = 0; deal < 2; ++deal) {
        Session().NewGame();
        MakeAMove();
    }
    Session().NewGame();
    QCoreApplication::processEvents();
    EXPECT_EQ(Stats().totalLost, 2);
    EXPECT_EQ(notices.size(), 1u);

    // The store comes back: the next game counted stores everything held.
    QDir(NativeFile()).removeRecursively();
    MakeAMove();
    Session().NewGame();
    const SettingsStore store;
    EXPECT_EQ(store.ReadInteger(SettingKey::TotalLost), 3);
    EXPECT_EQ(store.ReadInteger(SettingKey::LongestLost), 3);
    EXPECT_EQ(store.ReadInteger(SettingKey::Language), 1);
    form->close();
    EXPECT_EQ(notices.size(), 1u);
}

TEST_F(MainFormSettingsTest, AnEndWithoutQuestionsShowsNoNoticeWhateverTheStoreDoes) {
    StoreLanguage(Language::English);
    Open();
    // From here on nothing can be written.
    QFile::remove(NativeFile());
    QDir().mkpath(NativeFile());
    AnswerEvery(SmallDialog::ResultYes);
    ShowAndSettle();
    Session().NewGame();
    MakeAMove();
    Session().EndWithoutQuestions();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !form->isVisible(); }, WaitLimitMs));
    QCoreApplication::processEvents();
    form.reset();
    EXPECT_EQ(dialogsRun, std::vector<QString>{QStringLiteral("TFreewareDlg")});
    // QSettings keeps what it could not write for the next write to the same file, in this
    // program the next test's: it goes now.
    QDir(NativeFile()).removeRecursively();
    SettingsStore().WriteInteger(SettingKey::Zoom, 1);
}

TEST_F(MainFormSettingsTest, AnUnknownLanguageNumberShowsEnglishAsksNothingAndIsKept) {
    WriteRawFile(NativeFile(), "[V1]\ncommon\\tongue=7\n");
    Open();
    AnswerEvery(SmallDialog::ResultYes);
    ShowAndSettle();
    EXPECT_EQ(dialogsRun, std::vector<QString>{QStringLiteral("TFreewareDlg")}) << "no language question";
    EXPECT_EQ(Button(ToolStrip::Command::Quit)->toolTip(), QStringLiteral("I've got enough..."));
    form->close();
    form.reset();
    EXPECT_TRUE(NativeFileText().contains("common\\tongue=7\n")) << NativeFileText().toStdString();
}

TEST_F(MainFormSettingsTest, AValueThatIsNotTextFallsBackWithoutStoppingTheWindow) {
    WriteRawFile(NativeFile(), "[V1]\ncommon\\back=a, b\ncommon\\tongue=0\n");
    Open();
    EXPECT_EQ(Session().BackgroundColor(), 0x8000u);
    AnswerEvery(SmallDialog::ResultYes);
    ShowAndSettle();
    ASSERT_TRUE(QTest::qWaitFor([this] { return Ran("QMessageBox"); }, WaitLimitMs));
    EXPECT_EQ(dialogsRun,
              std::vector<QString>({QStringLiteral("TFreewareDlg"), QStringLiteral("QMessageBox")}))
        << "the other values are still read, and the damage is told once the window is up";
}

}  // namespace
