#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QTest>
#include <QToolButton>

#include <vector>

#include "ConfigHome.h"
#include "DialogDriver.h"
#include "cards/BusyWait.h"
#include "FakeClock.h"
#include "platform/Clock.h"
#include "platform/Surface.h"
#include "ui/SmallDialog.h"
#include "ui/TMainForm.h"
#include "ui/TOptionsDlg.h"
#include "ui/TStatDlg.h"

namespace {

void AnswerYes(TMainForm& form) {
    form.Dialogs().SetRunner([](QDialog&) { return SmallDialog::ResultYes; });
}

QString FileText() {
    QFile file(NativeFile());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

class MainFormSettingsTest : public ::testing::Test {
protected:
    MainFormSettingsTest() { ClearNativeFolder(); }

    FakeClock clock{0, 1000};
    ScopedClock scopedClock{clock};
};

TEST_F(MainFormSettingsTest, FirstStartTakesTheDefaults) {
    TMainForm form;
    AnswerYes(form);
    EXPECT_EQ(form.CurrentLanguage(), Language::Unset);
    EXPECT_EQ(form.BackgroundColor(), 0x8000u);
    EXPECT_EQ(form.FrameColor(), 0u);
    EXPECT_EQ(form.WindowSurface().Pixel(300, 200), PixelFromColorRef(0x8000));
    EXPECT_EQ(form.pos(), QPoint(269, 375));
}

TEST_F(MainFormSettingsTest, AnOrderlyRunStoresItsValuesAndTheNextRunReadsThem) {
    {
        TMainForm form;
        AnswerYes(form);
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        form.CurrentLanguage() = Language::German;
        form.ChangeBackground(0x800000);
        form.SetSoundOn(false);
        form.move(40, 30);
        form.close();
    }
    const QString text = FileText();
    EXPECT_TRUE(text.contains(QStringLiteral("common\\tongue=1"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("common\\sound=0")));
    EXPECT_TRUE(text.contains(QStringLiteral("common\\back=8388608")));
    EXPECT_TRUE(text.contains(QStringLiteral("common\\frame=0")));
    EXPECT_TRUE(text.contains(QStringLiteral("Form\\MainForm=\"200,")));

    TMainForm again;
    AnswerYes(again);
    EXPECT_EQ(again.CurrentLanguage(), Language::German);
    EXPECT_FALSE(again.SoundOn());
    EXPECT_EQ(again.WindowSurface().Pixel(300, 200), PixelFromColorRef(0x800000));
    again.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&again));
    EXPECT_EQ(again.pos(), QPoint(40, 30));
}

TEST_F(MainFormSettingsTest, CountersAndSwitchesSurviveARunAndAResetStoresZeros) {
    const SettingsStore store;
    {
        TMainForm form;
        form.Dialogs().SetRunner([](QDialog& dialog) {
            if (qobject_cast<TOptionsDlg*>(&dialog) == nullptr) return SmallDialog::ResultYes;
            return ExecDriven(dialog, [&dialog] {
                dialog.findChild<QCheckBox*>(QStringLiteral("slide"))->click();
                ClickButton(dialog, "OKBtn");
            });
        });
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        form.Flow().CountGame(true);
        form.Flow().CountGame(true);
        form.OptionsButtonClick();
        EXPECT_FALSE(form.SlideOn());
        // A deal still in play when the program closes is stored as lost.
        form.NewGame();
        form.GameBoard().SetState(GameState::Started);
        form.close();
        EXPECT_EQ(form.Stats().sinceStartLost, 1);
        EXPECT_EQ(store.ReadInteger(SettingKey::TotalWon), 0) << "written only when the dialog goes";
        EXPECT_TRUE(store.ReadBool(SettingKey::Slide));
    }
    EXPECT_EQ(store.ReadInteger(SettingKey::TotalWon), 2);
    EXPECT_EQ(store.ReadInteger(SettingKey::TotalLost), 1);
    EXPECT_EQ(store.ReadInteger(SettingKey::LongestWon), 2);
    EXPECT_EQ(store.ReadInteger(SettingKey::LongestLost), 1);
    EXPECT_FALSE(store.ReadBool(SettingKey::Slide));
    EXPECT_TRUE(store.ReadBool(SettingKey::ShowMoves));

    {
        // The next run starts from them; a reset and an orderly end store zeros.
        TMainForm again;
        QString shownTotal;
        again.Dialogs().SetRunner([&shownTotal](QDialog& dialog) {
            if (qobject_cast<TStatDlg*>(&dialog) == nullptr) return SmallDialog::ResultYes;
            return ExecDriven(dialog, [&] {
                shownTotal = dialog.findChild<QLabel*>(QStringLiteral("twon"))->text();
                dialog.findChild<QCheckBox*>(QStringLiteral("reset"))->click();
                ClickButton(dialog, "OKBtn");
            });
        });
        EXPECT_FALSE(again.SlideOn());
        again.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&again));
        again.Statistics();
        EXPECT_EQ(shownTotal, QStringLiteral("2"));
        again.close();
    }
    for (SettingKey key : {SettingKey::TotalWon, SettingKey::TotalLost, SettingKey::LongestWon, SettingKey::LongestLost}) {
        EXPECT_EQ(store.ReadInteger(key), 0) << RowOf(key).name;
    }
}

TEST_F(MainFormSettingsTest, AnUnknownLanguageNumberShowsEnglishAsksNothingAndIsKept) {
    WriteRawFile(NativeFile(), "[V1]\ncommon\\tongue=7\n");
    {
        TMainForm form;
        std::vector<QString> shown;
        form.Dialogs().SetRunner([&shown](QDialog& dialog) {
            shown.push_back(QString::fromLatin1(dialog.metaObject()->className()));
            return SmallDialog::ResultYes;
        });
        form.show();
        ASSERT_TRUE(QTest::qWaitFor([&form] { return form.FirstActivationDone(); }));
        EXPECT_EQ(shown, std::vector<QString>{QStringLiteral("TFreewareDlg")}) << "no language question";
        EXPECT_EQ(form.findChild<QToolButton*>(QStringLiteral("ExitBtn"))->toolTip(), QStringLiteral("I've got enough... (Ctrl+Q)"));
        form.close();
    }
    EXPECT_TRUE(FileText().contains(QStringLiteral("common\\tongue=7\n"))) << FileText().toStdString();
}

TEST_F(MainFormSettingsTest, AValueThatIsNotTextFallsBackWithoutStoppingTheWindow) {
    WriteRawFile(NativeFile(), "[V1]\ncommon\\back=a, b\ncommon\\tongue=0\n");
    TMainForm form;
    AnswerYes(form);
    EXPECT_EQ(form.BackgroundColor(), 0x8000u);
    EXPECT_EQ(form.CurrentLanguage(), Language::English) << "the other values are still read";
}

}  // namespace
