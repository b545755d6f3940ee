#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QToolButton>

#include "DialogDriver.h"
#include "MainWindowFixture.h"
#include "cards/CardSheets.h"
#include "media/LinkLabel.h"
#include "media/MakerLinks.h"
#include "media/ScrollBanner.h"
#include "platform/Surface.h"
#include "ui/SmallDialog.h"

namespace {

using Command = ToolStrip::Command;

class TMainFormTest : public MainWindowFixture {
protected:
    TMainFormTest() {
        Open();
        AnswerEvery(SmallDialog::ResultYes);
    }

    QToolButton* ByName(const char* name) { return form->findChild<QToolButton*>(QString::fromLatin1(name)); }
    ScrollBanner* Banner() { return form->findChild<ScrollBanner*>(QStringLiteral("tvbScroll")); }
};

TEST_F(TMainFormTest, WindowHasItsClientSizeAndControls) {
    EXPECT_EQ(form->width(), 683);
    EXPECT_EQ(form->height(), 342);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Torvik Vandrel 1.5 - Freeware"));
    const std::pair<const char*, int> buttons[] = {
        {"NewBtn", 4},    {"ResetBtn", 36},   {"MixBtn", 68},   {"OptionsBtn", 108}, {"StatisticBtn", 140},
        {"ExitBtn", 180}, {"TongueBtn", 586}, {"HelpBtn", 616}, {"InfoBtn", 648}};
    for (const auto& [name, x] : buttons) {
        QToolButton* button = ByName(name);
        ASSERT_NE(button, nullptr) << name;
        EXPECT_EQ(button->geometry().topLeft(), QPoint(x, 4)) << name;
        EXPECT_TRUE(button->autoRaise());
    }
    EXPECT_EQ(ByName("TongueBtn")->width(), 27);
    EXPECT_EQ(form->findChild<QWidget*>(QStringLiteral("tvbScroll"))->geometry(), QRect(0, 327, 683, 15));
}

TEST_F(TMainFormTest, TextsFollowTheLanguageButReshuffleKeepsItsOwn) {
    EXPECT_EQ(Banner()->Text(), ScrollBanner::InitialText());
    ShowAndSettle();
    EXPECT_EQ(Button(Command::NewDeal)->toolTip(), QStringLiteral("I want to reshuffle the cards."));
    EXPECT_EQ(Button(Command::Reshuffle)->toolTip(), QStringLiteral("Neu auslegen"));
    EXPECT_EQ(Banner()->Text(), ScrollBanner::TextFor(Language::English));
    answer = [](QDialog& dialog) {
        return ExecDriven(dialog, [&dialog] { ClickButton(dialog, "GermanBtn"); });
    };
    Click(Command::Language);
    EXPECT_EQ(Button(Command::Options)->toolTip(), QString::fromUtf8("Ich möcht etwas verändern."));
    EXPECT_EQ(Button(Command::Reshuffle)->toolTip(), QStringLiteral("Neu auslegen"));
    EXPECT_EQ(form->findChild<QLabel*>(QStringLiteral("lost_label"))->toolTip(),
              QStringLiteral("Verlorenen Spiele"));
    EXPECT_EQ(Banner()->Text(), ScrollBanner::TextFor(Language::German));
}

TEST_F(TMainFormTest, BannerStepsRepaintOnlyItsOwnStrip) {
    Show();
    EXPECT_TRUE(Banner()->IsScrolling());
    QApplication::processEvents();
    PaintCounter board(*BoardView());
    PaintCounter banner(*Banner());
    for (int i = 0; i < 3; ++i) {
        Banner()->Tick();
        QApplication::processEvents();
    }
    EXPECT_GE(banner.paints, 3);
    EXPECT_EQ(board.paints, 0);
}

TEST_F(TMainFormTest, BannerClickOpensTheSiteUntilAnOpenFails) {
    Show();
    QStringList opened;
    bool opens = true;
    form->findChild<LinkLabel*>(QStringLiteral("TVBLabel"))->SetOpener([&](const QString& address) {
        opened << address;
        return opens;
    });
    QTest::mouseClick(Banner(), Qt::LeftButton);
    QTest::mouseClick(Banner(), Qt::RightButton);
    EXPECT_EQ(opened, QStringList{MakerWebAddress()});
    opens = false;
    QTest::mouseClick(Banner(), Qt::LeftButton);
    QTest::mouseClick(Banner(), Qt::LeftButton);
    EXPECT_EQ(opened.size(), 2);
}

TEST_F(TMainFormTest, DealtCardsAppearAtTheirPlacesAndSurviveAPaint) {
    Show();
    Session().SeedWith(0);
    Click(Command::NewDeal);
    // The window shows deal 0 as it is printed: the six of diamonds at column 1, row 0 and so on.
    const QImage shown = form->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(BoardPicture(shown).Text(), DealText(0));
    EXPECT_EQ(BoardPicture(shown).Place(1, 0), (SeenCard{2, 6}));
    // A paint request gives the same picture as the drawing done outside it.
    const QImage before = Canvas();
    Session().Paint();
    EXPECT_EQ(Canvas(), before);
    EXPECT_EQ(form->grab().toImage().convertToFormat(QImage::Format_RGB32), shown);
}

TEST_F(TMainFormTest, ReshuffleButtonIsDisabledWhenNoneAreLeft) {
    Show();
    QAbstractButton* mix = Button(Command::Reshuffle);
    EXPECT_TRUE(mix->isEnabled()) << "enabled from the start although nothing can be reshuffled";
    Click(Command::NewDeal);
    const QString dealt = Picture().Text();
    QTest::mouseClick(mix, Qt::LeftButton);
    EXPECT_NE(Picture().Text(), dealt);
    EXPECT_TRUE(mix->isEnabled()) << "one reshuffle left";
    QTest::mouseClick(mix, Qt::LeftButton);
    EXPECT_FALSE(mix->isEnabled());
    Click(Command::NewDeal);
    EXPECT_TRUE(mix->isEnabled());
}

TEST_F(TMainFormTest, ChangingTheBackgroundKeepsEveryCardAndTheOneInTheHand) {
    Show();
    Session().SeedWith(8);
    Click(Command::NewDeal);
    const QImage withGreen = Canvas();

    // A card held by the point clicked follows the pointer over two others; while the board is
    // recoloured it stays on top and, sent back by a click beside every place, leaves no patch of
    // the old colour.
    const int column = Picture().Place(2, 1) ? 2 : 3;
    const std::optional<SeenCard> held = Picture().Place(column, 1);
    ASSERT_TRUE(held);
    QWidget* view = BoardView();
    QTest::mouseClick(view, Qt::LeftButton, {}, PlaceCenter(column, 1));
    const QPoint pointer = PlaceCenter(6, 1) + QPoint(24, 20);
    MovePointer(*view, pointer);
    const QPoint heldCorner(PlaceLeft(6) + 24, PlaceTop(1) + 20);
    ASSERT_EQ(BoardPicture::CardAt(Canvas(), heldCorner), held);
    EXPECT_FALSE(Picture().Place(column, 1));
    Session().ChangeBackground(0x800000);  // navy
    EXPECT_EQ(Canvas().pixel(2, 200), PixelFromColorRef(0x800000));
    EXPECT_EQ(BoardPicture::CardAt(Canvas(), heldCorner), held);
    Session().Paint();
    EXPECT_EQ(BoardPicture::CardAt(Canvas(), heldCorner), held);
    Session().ChangeBackground(0x8000);
    QTest::mouseClick(view, Qt::LeftButton, {}, pointer);
    EXPECT_EQ(Canvas(), withGreen);
}

}  // namespace
