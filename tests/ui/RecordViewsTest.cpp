#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "MainWindowFixture.h"
#include "settings/SettingsStore.h"
#include "ui/SmallDialog.h"
#include "ui/StatusStrip.h"

namespace {

class RecordViewsTest : public MainWindowFixture {
protected:
    QImage Window() { return form->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    void PressStatusKey() { QTest::keyClick(form.get(), Qt::Key_B, Qt::ControlModifier); }
    StatusStrip* Strip() { return form->findChild<StatusStrip*>(); }
};

TEST_F(RecordViewsTest, TheStatusLineIsOffAtFirstLeavesTheWindowAsItWasAndIsRemembered) {
    StoreLanguage(Language::English);
    Open();
    AnswerEvery(SmallDialog::ResultOk);
    ShowAndSettle();
    Session().SeedWith(0);
    Click(ToolStrip::Command::NewDeal);
    QApplication::processEvents();
    EXPECT_EQ(Strip(), nullptr) << "nothing of the status line is made while it is off";
    const QImage plain = Window();

    PressStatusKey();
    ASSERT_NE(Strip(), nullptr);
    EXPECT_TRUE(Strip()->isVisible());
    EXPECT_TRUE(
        Strip()->text().startsWith(QStringLiteral("Deal 0  \u00b7  reshuffles left: 2  \u00b7  moves: 0")))
        << Strip()->text().toStdString();
    EXPECT_EQ(Strip()->geometry(), QRect(0, 327, 683, 15)) << "over the banner";
    const QImage on = Window();
    EXPECT_NE(on.copy(0, 327, 683, 15), plain.copy(0, 327, 683, 15));
    EXPECT_EQ(on.copy(0, 0, 683, 327), plain.copy(0, 0, 683, 327))
        << "the board and the tools stay as they are";
    EXPECT_TRUE(SettingsStore().ReadBool(SettingKey::StatusLine));

    PressStatusKey();
    EXPECT_EQ(Window(), plain) << "off again, the window is the plain one pixel for pixel";
    EXPECT_FALSE(SettingsStore().ReadBool(SettingKey::StatusLine));

    PressStatusKey();
    Open();
    ShowAndSettle();
    ASSERT_TRUE(QTest::qWaitFor([this] { return Strip() != nullptr && Strip()->isVisible(); }, WaitLimitMs))
        << "the next run shows it again";
    EXPECT_EQ(Strip()->text(), QStringLiteral("No deal in play"));
}

}  // namespace
