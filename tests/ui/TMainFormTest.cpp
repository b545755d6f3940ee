#include <gtest/gtest.h>

#include <QLabel>
#include <QApplication>
#include <QTest>
#include <QToolButton>

#include "MainWindowFixture.h"
#include "cards/CardSheets.h"
#include "media/LinkLabel.h"
#include "media/MakerLinks.h"
#include "media/ScrollBanner.h"
#include "platform/Surface.h"
#include "ui/ScoreGauge.h"
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
    const std::pair<const char*, int> buttons[] = {{"NewBtn", 4},       {"ResetBtn", 36},      {"MixBtn", 68},
                                                   {"OptionsBtn", 108}, {"StatisticBtn", 140}, {"ExitBtn", 180},
                                                   {"TongueBtn", 586},  {"HelpBtn", 616},     {"InfoBtn", 648}};
    for (const auto& [name, x] : buttons) {
        QToolButton* button = ByName(name);
        ASSERT_NE(button, nullptr) << name;
        EXPECT_EQ(button->geometry().topLeft(), QPoint(x, 4)) << name;
        EXPECT_TRUE(button->autoRaise());
    }
    EXPECT_EQ(ByName("TongueBtn")->width(), 27);
    EXPECT_EQ(form->findChild<QWidget*>(QStringLiteral("tvbScroll"))->geometry(), QRect(0, 327, 683, 15));
}

TEST_F(TMainFormTest, ScoreStripStartsAtNothingCounted) {
    Show();
    EXPECT_EQ(form->findChild<QLabel*>(QStringLiteral("won_label"))->text(), QStringLiteral("0"));
    EXPECT_EQ(form->findChild<QLabel*>(QStringLiteral("lost_label"))->text(), QStringLiteral("0"));
    EXPECT_EQ(form->findChild<ScoreGauge*>(QStringLiteral("gproz"))->Progress(), 50);
    Stats().CountWon();
    Stats().CountWon();
    Stats().CountLost();
    Session().RefreshScore();
    EXPECT_EQ(form->findChild<QLabel*>(QStringLiteral("won_label"))->text(), QStringLiteral("2"));
    EXPECT_EQ(form->findChild<ScoreGauge*>(QStringLiteral("gproz"))->Progress(), 66);
}

TEST_F(TMainFormTest, TextsFollowTheLanguageButReshuffleKeepsItsOwn) {
    EXPECT_EQ(Banner()->Text(), ScrollBanner::InitialText());
    Show();
    Session().ApplyTexts();
    EXPECT_EQ(Button(Command::NewDeal)->toolTip(), QStringLiteral("I want to reshuffle the cards."));
    EXPECT_EQ(Button(Command::Reshuffle)->toolTip(), QStringLiteral("Neu auslegen"));
    EXPECT_EQ(Banner()->Text(), ScrollBanner::TextFor(Language::English));
    Session().CurrentLanguage() = Language::German;
    Session().ApplyTexts();
    EXPECT_EQ(Button(Command::Options)->toolTip(), QString::fromUtf8("Ich möcht etwas verändern."));
    EXPECT_EQ(Button(Command::Reshuffle)->toolTip(), QStringLiteral("Neu auslegen"));
    EXPECT_EQ(form->findChild<QLabel*>(QStringLiteral("lost_label"))->toolTip(), QStringLiteral("Verlorenen Spiele"));
    EXPECT_EQ(Banner()->Text(), ScrollBanner::TextFor(Language::German));
}

TEST_F(TMainFormTest, BannerStepsRepaintOnlyItsOwnStrip) {
    Show();
    EXPECT_TRUE(Banner()->IsScrolling());
    QApplication::processEvents();
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint) ++paints;
            return false;
        }
    } board, banner;
    BoardView()->installEventFilter(&board);
    Banner()->installEventFilter(&banner);
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
    // Seed 0 deals the six of diamonds to column 1, row 0.
    const QImage shown = form->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage six = CardSheets::Cards().copy(5 * 43, 2 * 60, 43, 60);
    const int x = 1 * 48 + 8;
    const int y = 47;
    for (int py = 2; py < 58; py += 5) {
        for (int px = 2; px < 41; px += 5) ASSERT_EQ(shown.pixel(x + px, y + py), six.pixel(px, py)) << px << "," << py;
    }
    // A paint request gives the same picture as the drawing done outside it.
    const QImage before = Canvas();
    Session().Paint();
    EXPECT_EQ(Session().WindowSurface().Image(), before);
    EXPECT_EQ(form->grab().toImage().convertToFormat(QImage::Format_RGB32), shown);
}

TEST_F(TMainFormTest, ReshuffleButtonIsDisabledWhenNoneAreLeft) {
    Show();
    QAbstractButton* mix = Button(Command::Reshuffle);
    EXPECT_TRUE(mix->isEnabled()) << "enabled from the start although nothing can be reshuffled";
    Click(Command::NewDeal);
    QTest::mouseClick(mix, Qt::LeftButton);
    EXPECT_EQ(GameBoard().ReshufflesLeft(), 1);
    QTest::mouseClick(mix, Qt::LeftButton);
    EXPECT_FALSE(mix->isEnabled());
    Click(Command::NewDeal);
    EXPECT_TRUE(mix->isEnabled());
}

TEST_F(TMainFormTest, MouseOnTheBoardPicksUpFollowsAndReturns) {
    Show();
    Session().SeedWith(0);
    Click(Command::NewDeal);
    QWidget* view = BoardView();
    ASSERT_NE(view, nullptr);
    // Column 1 row 0 holds the six of diamonds after deal 0.
    QTest::mouseClick(view, Qt::LeftButton, {}, PlaceCenter(1, 0));
    ASSERT_NE(GameBoard().Hand(), nullptr);
    MovePointer(*view, QPoint(400, 250));
    EXPECT_EQ(GameBoard().Hand()->X(), 400 - 21);
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(400, 250));
    EXPECT_EQ(GameBoard().Hand(), nullptr);
    EXPECT_EQ(GameBoard().Place(1, 0).TopRank(), 6);
}

TEST_F(TMainFormTest, ChangingTheBackgroundKeepsEveryCardAndTheOneInTheHand) {
    Show();
    Session().SeedWith(8);
    Click(Command::NewDeal);
    const QImage withGreen = Canvas();

    // A card held over two others while the board is recoloured stays on top and, put back,
    // leaves no patch of the old colour.
    const int column = GameBoard().Place(2, 1).Count() != 0 ? 2 : 3;
    QWidget* view = BoardView();
    QTest::mouseClick(view, Qt::LeftButton, {}, PlaceCenter(column, 1));
    ASSERT_NE(GameBoard().Hand(), nullptr);
    MovePointer(*view, PlaceCenter(6, 1) + QPoint(24, 20));
    const QRect heldFace = QRect(GameBoard().Hand()->X(), GameBoard().Hand()->Y(), 43, 60).adjusted(4, 4, -4, -4);
    const QImage face = Session().WindowSurface().Image().copy(heldFace);
    Session().ChangeBackground(0x800000);  // navy
    EXPECT_EQ(Session().WindowSurface().Pixel(2, 200), PixelFromColorRef(0x800000));
    EXPECT_EQ(Session().WindowSurface().Image().copy(heldFace), face);
    Session().Paint();
    EXPECT_EQ(Session().WindowSurface().Image().copy(heldFace), face);
    Session().ChangeBackground(0x8000);
    MovePointer(*view, PlaceCenter(column, 1));
    QTest::mouseClick(view, Qt::LeftButton, {}, PlaceCenter(column, 1));
    ASSERT_EQ(GameBoard().Hand(), nullptr);
    EXPECT_EQ(Session().WindowSurface().Image(), withGreen);
}

}  // namespace
