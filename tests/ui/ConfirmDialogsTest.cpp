#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include "DialogDriver.h"
#include "ui/TEndGameDlg.h"
#include "ui/TGiveUpDlg.h"

namespace {

// The give-up and quit confirmations answer in the same way; each case runs on both.
template <typename Dialog>
class ConfirmDialogTest : public ::testing::Test {
protected:
    Language language = Language::English;
    std::unique_ptr<QWidget> main = MakeMainWindow();
    Dialog dialog{main.get(), language};
};

using ConfirmDialogs = ::testing::Types<TGiveUpDlg, TEndGameDlg>;
TYPED_TEST_SUITE(ConfirmDialogTest, ConfirmDialogs);

TYPED_TEST(ConfirmDialogTest, EscAndCloseBoxAnswerCancel) {
    EXPECT_EQ(ExecDriven(this->dialog, [] { PressKey(Qt::Key_Escape); }), 2);
    EXPECT_EQ(ExecDriven(this->dialog, [this] { CloseBox(this->dialog); }), 2);
}

TYPED_TEST(ConfirmDialogTest, ClickOnNoKeepsTheFocusThereForTheNextShowing) {
    ASSERT_EQ(ExecDriven(this->dialog, [this] { ClickButton(this->dialog, "CancelBtn"); }), 2);
    EXPECT_EQ(ExecDriven(this->dialog, [] { PressKey(Qt::Key_Return); }), 2);
    // The focus stays on No until the player moves it.
    EXPECT_EQ(ExecDriven(this->dialog, [] { PressKey(Qt::Key_Return); }), 2);
    ASSERT_EQ(ExecDriven(this->dialog, [this] { ClickButton(this->dialog, "OKBtn"); }), 6);
    EXPECT_EQ(ExecDriven(this->dialog, [] { PressKey(Qt::Key_Return); }), 6);
}

// Enter answers for the button with the focus: Yes at the first showing; Esc leaves the focus
// where it was, Tab moves it to No.
TYPED_TEST(ConfirmDialogTest, EnterAnswersForTheFocusWhichEscLeavesAndTabMoves) {
    EXPECT_EQ(ExecDriven(this->dialog, [] { PressKey(Qt::Key_Return); }), 6);
    ASSERT_EQ(ExecDriven(this->dialog, [] { PressKey(Qt::Key_Escape); }), 2);
    EXPECT_EQ(ExecDriven(this->dialog, [] { PressKey(Qt::Key_Return); }), 6);
    ASSERT_EQ(ExecDriven(this->dialog,
                         [] {
                             PressKey(Qt::Key_Tab);
                             PressKey(Qt::Key_Escape);
                         }),
              2);
    EXPECT_EQ(ExecDriven(this->dialog, [] { PressKey(Qt::Key_Return); }), 2);
}

// What a confirmation shows: question, Yes, No and title, read while it is on the screen.
template <typename Dialog>
QStringList TextsShownIn(Language shown) {
    Language language = shown;
    auto main = MakeMainWindow();
    Dialog dialog(main.get(), language);
    QStringList texts;
    ExecDriven(dialog, [&] {
        texts << dialog.template findChild<QLabel*>(QStringLiteral("Label1"))->text()
              << dialog.template findChild<QPushButton*>(QStringLiteral("OKBtn"))->text()
              << dialog.template findChild<QPushButton*>(QStringLiteral("CancelBtn"))->text()
              << dialog.windowTitle();
    });
    return texts;
}

TEST(ConfirmDialogTexts, GermanOnlyForGerman) {
    const QString ja = QStringLiteral("Ja"), nein = QStringLiteral("Nein");
    const QString yes = QStringLiteral("Yes"), no = QStringLiteral("No");
    // The title is the same in both languages.
    const QString title = QStringLiteral("Torvik Vandrel");
    EXPECT_EQ(TextsShownIn<TGiveUpDlg>(Language::German),
              QStringList({QStringLiteral("Willst Du das Spiel wirklich aufgeben?"), ja, nein, title}));
    EXPECT_EQ(TextsShownIn<TEndGameDlg>(Language::German),
              QStringList({QStringLiteral("Willst Du wirklich schon aufhören?"), ja, nein, title}));
    for (const Language other : {Language::English, Language::Unset}) {
        EXPECT_EQ(TextsShownIn<TGiveUpDlg>(other),
                  QStringList({QStringLiteral("Do you really want to give up the game?"), yes, no, title}));
        EXPECT_EQ(TextsShownIn<TEndGameDlg>(other),
                  QStringList({QStringLiteral("Do you really want to go?"), yes, no, title}));
    }
}

TEST(ConfirmDialogTexts, ALanguageChangeReachesTheNextShowing) {
    Language language = Language::English;
    auto main = MakeMainWindow();
    TGiveUpDlg dialog(main.get(), language);
    auto* question = dialog.findChild<QLabel*>(QStringLiteral("Label1"));
    ExecDriven(dialog, [] {});
    EXPECT_EQ(question->text(), QStringLiteral("Do you really want to give up the game?"));
    language = Language::German;
    // Nothing changes while the dialog is hidden; the texts come with the showing.
    EXPECT_EQ(question->text(), QStringLiteral("Do you really want to give up the game?"));
    ExecDriven(dialog, [] {});
    EXPECT_EQ(question->text(), QStringLiteral("Willst Du das Spiel wirklich aufgeben?"));
}

}  // namespace
