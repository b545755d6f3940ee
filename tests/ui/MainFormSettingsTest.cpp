#include <gtest/gtest.h>

#include <QFile>
#include <QTest>

#include "ConfigHome.h"
#include "cards/BusyWait.h"
#include "FakeClock.h"
#include "platform/Clock.h"
#include "platform/Surface.h"
#include "ui/SmallDialog.h"
#include "ui/TMainForm.h"

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

TEST_F(MainFormSettingsTest, AStartedDealIsStoredAsLostWhenTheProgramCloses) {
    TMainForm form;
    AnswerYes(form);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.NewGame();
    form.GameBoard().SetState(GameState::Started);
    form.close();
    EXPECT_EQ(form.Stats().totalLost, 1);
    EXPECT_EQ(form.Stats().sinceStartLost, 1);
}

TEST_F(MainFormSettingsTest, AValueThatIsNotTextFallsBackWithoutStoppingTheWindow) {
    WriteRawFile(NativeFile(), "[V1]\ncommon\\back=a, b\ncommon\\tongue=0\n");
    TMainForm form;
    AnswerYes(form);
    EXPECT_EQ(form.BackgroundColor(), 0x8000u);
    EXPECT_EQ(form.CurrentLanguage(), Language::English) << "the other values are still read";
}

}  // namespace
