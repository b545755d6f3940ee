#include <gtest/gtest.h>

#include <QLabel>
#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QToolButton>

#include <set>

#include "ConfigHome.h"
#include "cards/BusyWait.h"
#include "cards/CardSheets.h"
#include "cards/Random.h"
#include "FakeClock.h"
#include "media/LinkLabel.h"
#include "media/MakerLinks.h"
#include "media/ScrollBanner.h"
#include "platform/Clock.h"
#include "platform/Surface.h"
#include "ui/ScoreGauge.h"
#include "ui/SmallDialog.h"
#include "ui/TMainForm.h"

namespace {

// A pointer move with no button held, delivered at once: QTest's own move only sets the cursor,
// which sends nothing when the cursor already stands there.
void MovePointer(QWidget& widget, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, widget.mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &move);
}

class TMainFormTest : public ::testing::Test {
protected:
    TMainFormTest() { form.Dialogs().SetRunner([](QDialog&) { return SmallDialog::ResultYes; }); }

    void ShowForm() {
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    QToolButton* Button(const char* name) { return form.findChild<QToolButton*>(QString::fromLatin1(name)); }
    QWidget* BoardView() { return form.childAt(300, 200); }
    ScrollBanner* Banner() { return form.findChild<ScrollBanner*>(QStringLiteral("tvbScroll")); }
    QPoint PlaceCenter(int column, int row) { return {column * 48 + 8 + 21, row * 70 + 47 + 30}; }

    // Each window starts from an empty store, whatever earlier tests stored.
    bool storeCleared = (ClearNativeFolder(), true);
    FakeClock clock{0, 1000};
    ScopedClock scopedClock{clock};
    TMainForm form;
};

TEST_F(TMainFormTest, WindowHasItsClientSizeAndControls) {
    EXPECT_EQ(form.width(), 683);
    EXPECT_EQ(form.height(), 342);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Torvik Vandrel 1.5 - Freeware"));
    const std::pair<const char*, int> buttons[] = {{"NewBtn", 4},       {"ResetBtn", 36},      {"MixBtn", 68},
                                                   {"OptionsBtn", 108}, {"StatisticBtn", 140}, {"ExitBtn", 180},
                                                   {"TongueBtn", 586},  {"HelpBtn", 616},     {"InfoBtn", 648}};
    for (const auto& [name, x] : buttons) {
        QToolButton* button = Button(name);
        ASSERT_NE(button, nullptr) << name;
        EXPECT_EQ(button->geometry().topLeft(), QPoint(x, 4)) << name;
        EXPECT_TRUE(button->autoRaise());
    }
    EXPECT_EQ(Button("TongueBtn")->width(), 27);
    EXPECT_EQ(form.findChild<QWidget*>(QStringLiteral("tvbScroll"))->geometry(), QRect(0, 327, 683, 15));
}

TEST_F(TMainFormTest, ScoreStripStartsAtNothingCounted) {
    ShowForm();
    EXPECT_EQ(form.findChild<QLabel*>(QStringLiteral("won_label"))->text(), QStringLiteral("0"));
    EXPECT_EQ(form.findChild<QLabel*>(QStringLiteral("lost_label"))->text(), QStringLiteral("0"));
    EXPECT_EQ(form.findChild<ScoreGauge*>(QStringLiteral("gproz"))->Progress(), 50);
    form.Stats().CountWon();
    form.Stats().CountWon();
    form.Stats().CountLost();
    form.RefreshScore();
    EXPECT_EQ(form.findChild<QLabel*>(QStringLiteral("won_label"))->text(), QStringLiteral("2"));
    EXPECT_EQ(form.findChild<ScoreGauge*>(QStringLiteral("gproz"))->Progress(), 66);
}

TEST_F(TMainFormTest, TextsFollowTheLanguageButReshuffleKeepsItsOwn) {
    EXPECT_EQ(Banner()->Text(), ScrollBanner::InitialText());
    ShowForm();
    form.ApplyTexts();
    // Each tooltip ends with the button's key; a screen reader hears a short name.
    EXPECT_EQ(Button("NewBtn")->toolTip(), QStringLiteral("I want to reshuffle the cards. (F2)"));
    EXPECT_EQ(Button("MixBtn")->toolTip(), QStringLiteral("Neu auslegen (Strg+M)"));
    EXPECT_EQ(Button("TongueBtn")->accessibleName(), QStringLiteral("Language"));
    EXPECT_EQ(Banner()->Text(), ScrollBanner::TextFor(Language::English));
    form.CurrentLanguage() = Language::German;
    form.ApplyTexts();
    EXPECT_EQ(Button("OptionsBtn")->toolTip(), QString::fromUtf8("Ich möcht etwas verändern. (Strg+,)"));
    EXPECT_EQ(Button("MixBtn")->toolTip(), QStringLiteral("Neu auslegen (Strg+M)"));
    EXPECT_EQ(Button("TongueBtn")->accessibleName(), QStringLiteral("Sprache"));
    EXPECT_EQ(form.findChild<QLabel*>(QStringLiteral("lost_label"))->toolTip(), QStringLiteral("Verlorenen Spiele"));
    EXPECT_EQ(Banner()->Text(), ScrollBanner::TextFor(Language::German));
}

TEST_F(TMainFormTest, BannerStepsRepaintOnlyItsOwnStrip) {
    ShowForm();
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
    ShowForm();
    QStringList opened;
    bool opens = true;
    form.findChild<LinkLabel*>(QStringLiteral("TVBLabel"))->SetOpener([&](const QString& address) {
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
    ShowForm();
    form.SeedWith(0);
    QTest::mouseClick(Button("NewBtn"), Qt::LeftButton);
    // Seed 0 deals the six of diamonds to column 1, row 0.
    const QImage shown = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage six = CardSheets::Cards().copy(5 * 43, 2 * 60, 43, 60);
    const int x = 1 * 48 + 8;
    const int y = 47;
    for (int py = 2; py < 58; py += 5) {
        for (int px = 2; px < 41; px += 5) ASSERT_EQ(shown.pixel(x + px, y + py), six.pixel(px, py)) << px << "," << py;
    }
    // A paint request gives the same picture as the drawing done outside it.
    const QImage before = form.WindowSurface().Image().copy();
    form.Paint();
    EXPECT_EQ(form.WindowSurface().Image(), before);
    EXPECT_EQ(form.grab().toImage().convertToFormat(QImage::Format_RGB32), shown);
}

TEST_F(TMainFormTest, ReshuffleButtonIsDisabledWhenNoneAreLeft) {
    ShowForm();
    QToolButton* mix = Button("MixBtn");
    EXPECT_TRUE(mix->isEnabled()) << "enabled from the start although nothing can be reshuffled";
    QTest::mouseClick(Button("NewBtn"), Qt::LeftButton);
    QTest::mouseClick(mix, Qt::LeftButton);
    EXPECT_EQ(form.GameBoard().ReshufflesLeft(), 1);
    QTest::mouseClick(mix, Qt::LeftButton);
    EXPECT_FALSE(mix->isEnabled());
    QTest::mouseClick(Button("NewBtn"), Qt::LeftButton);
    EXPECT_TRUE(mix->isEnabled());
}

TEST_F(TMainFormTest, MouseOnTheBoardPicksUpFollowsAndReturns) {
    ShowForm();
    form.SeedWith(0);
    QTest::mouseClick(Button("NewBtn"), Qt::LeftButton);
    QWidget* view = BoardView();
    ASSERT_NE(view, nullptr);
    // Column 1 row 0 holds the six of diamonds after deal 0.
    QTest::mouseClick(view, Qt::LeftButton, {}, PlaceCenter(1, 0));
    ASSERT_NE(form.GameBoard().Hand(), nullptr);
    MovePointer(*view, QPoint(400, 250));
    EXPECT_EQ(form.GameBoard().Hand()->X(), 400 - 21);
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(400, 250));
    EXPECT_EQ(form.GameBoard().Hand(), nullptr);
    EXPECT_EQ(form.GameBoard().Place(1, 0).TopRank(), 6);
}

TEST_F(TMainFormTest, ChangingTheBackgroundKeepsEveryCardAndTheOneInTheHand) {
    ShowForm();
    form.SeedWith(8);
    QTest::mouseClick(Button("NewBtn"), Qt::LeftButton);
    const QImage withGreen = form.WindowSurface().Image().copy();

    // A card held over two others while the board is recoloured stays on top and, put back,
    // leaves no patch of the old colour.
    const int column = form.GameBoard().Place(2, 1).Count() != 0 ? 2 : 3;
    QWidget* view = BoardView();
    QTest::mouseClick(view, Qt::LeftButton, {}, PlaceCenter(column, 1));
    ASSERT_NE(form.GameBoard().Hand(), nullptr);
    MovePointer(*view, PlaceCenter(6, 1) + QPoint(24, 20));
    const QRect heldFace = QRect(form.GameBoard().Hand()->X(), form.GameBoard().Hand()->Y(), 43, 60).adjusted(4, 4, -4, -4);
    const QImage face = form.WindowSurface().Image().copy(heldFace);
    form.ChangeBackground(0x800000);  // navy
    EXPECT_EQ(form.WindowSurface().Pixel(2, 200), PixelFromColorRef(0x800000));
    EXPECT_EQ(form.WindowSurface().Image().copy(heldFace), face);
    form.Paint();
    EXPECT_EQ(form.WindowSurface().Image().copy(heldFace), face);
    form.ChangeBackground(0x8000);
    MovePointer(*view, PlaceCenter(column, 1));
    QTest::mouseClick(view, Qt::LeftButton, {}, PlaceCenter(column, 1));
    ASSERT_EQ(form.GameBoard().Hand(), nullptr);
    EXPECT_EQ(form.WindowSurface().Image(), withGreen);
}

}  // namespace
