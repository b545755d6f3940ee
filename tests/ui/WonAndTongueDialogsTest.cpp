#include <gtest/gtest.h>

#include <QLabel>

#include "DialogDriver.h"
#include "ui/TTongueDlg.h"
#include "ui/TWonDlg.h"

namespace {

class WonDialogTest : public ::testing::Test {
protected:
    Language language = Language::English;
    std::unique_ptr<QWidget> main = MakeMainWindow();
    TWonDlg dialog{main.get(), language};
};

TEST_F(WonDialogTest, EnterAndClickOnOkAnswerOk) {
    EXPECT_EQ(ExecDriven(dialog, [] { PressKey(Qt::Key_Return); }), 1);
    EXPECT_EQ(ExecDriven(dialog, [this] { ClickButton(dialog, "OKBtn"); }), 1);
}

TEST_F(WonDialogTest, EscDoesNothingAndTheCloseBoxAnswersCancel) {
    EXPECT_EQ(ExecDriven(dialog, [] { PressKey(Qt::Key_Escape); }), StillOpen);
    EXPECT_EQ(ExecDriven(dialog, [this] { CloseBox(dialog); }), 2);
}

TEST_F(WonDialogTest, TextsFollowTheLanguageAndTheTitleDoesNot) {
    auto* message = dialog.findChild<QLabel*>(QStringLiteral("Label1"));
    auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("OKBtn"));
    const struct {
        Language shown;
        QString message;
    } cases[] = {{Language::German, QStringLiteral("Hurra, Du hast gewonnen!")},
                 {Language::English, QStringLiteral("Wow, you won!")},
                 {Language::Unset, QStringLiteral("Wow, you won!")}};
    for (const auto& expected : cases) {
        language = expected.shown;
        ExecDriven(dialog, [&] {
            EXPECT_EQ(message->text(), expected.message);
            EXPECT_EQ(ok->text(), QStringLiteral("OK"));
            EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Torvik Vandrel"));
        });
    }
}

class TongueDialogTest : public ::testing::Test {
protected:
    Language language = Language::Unset;
    std::unique_ptr<QWidget> main = MakeMainWindow();
    TTongueDlg dialog{main.get(), language};
};

TEST_F(TongueDialogTest, ClickOnGermanChoosesItAndKeepsTheFocusThere) {
    language = Language::English;
    EXPECT_EQ(ExecDriven(dialog, [this] { ClickButton(dialog, "GermanBtn"); }), 1);
    EXPECT_EQ(language, Language::German);
    language = Language::English;
    EXPECT_EQ(ExecDriven(dialog, [] { PressKey(Qt::Key_Return); }), 1);
    EXPECT_EQ(language, Language::German);
}

// English has the focus at the first showing.
TEST_F(TongueDialogTest, EnterPressesWhicheverButtonHasTheFocus) {
    language = Language::German;
    EXPECT_EQ(ExecDriven(dialog, [] { PressKey(Qt::Key_Return); }), 1);
    EXPECT_EQ(language, Language::English);
    EXPECT_EQ(ExecDriven(dialog,
                         [] {
                             PressKey(Qt::Key_Tab);
                             PressKey(Qt::Key_Return);
                         }),
              1);
    EXPECT_EQ(language, Language::German);
    EXPECT_EQ(ExecDriven(dialog,
                         [] {
                             PressKey(Qt::Key_Backtab);
                             PressKey(Qt::Key_Enter);
                         }),
              1);
    EXPECT_EQ(language, Language::English);
}

TEST_F(TongueDialogTest, EscAndTheCloseBoxLeaveTheLanguageAlone) {
    EXPECT_EQ(ExecDriven(dialog, [] { PressKey(Qt::Key_Escape); }), StillOpen);
    EXPECT_EQ(language, Language::Unset);
    EXPECT_EQ(ExecDriven(dialog, [this] { CloseBox(dialog); }), 2);
    EXPECT_EQ(language, Language::Unset);
    language = Language::German;
    EXPECT_EQ(ExecDriven(dialog, [this] { CloseBox(dialog); }), 2);
    EXPECT_EQ(language, Language::German);
}

TEST_F(TongueDialogTest, TitleIsTheSameWhateverIsChosen) {
    for (const Language shown : {Language::German, Language::English, Language::Unset}) {
        language = shown;
        ExecDriven(dialog, [this] { EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Torvik Vandrel 1.5")); });
    }
}

}  // namespace
