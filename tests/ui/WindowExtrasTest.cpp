#include <gtest/gtest.h>

#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include "ConfigHome.h"
#include "FakeClock.h"
#include "game/DealPrinter.h"
#include "platform/Clock.h"
#include "platform/ScreenScale.h"
#include "settings/SettingsStore.h"
#include "ui/DealNumberDialog.h"
#include "ui/SmallDialog.h"
#include "ui/TMainForm.h"
#include "ui/WindowExtras.h"
#include "ui/ZoomController.h"

namespace {

QPoint Centre(int column, int row) {
    return {column * 48 + 8 + 21, row * 70 + 47 + 30};
}

class WindowExtrasTest : public ::testing::Test {
protected:
    WindowExtrasTest() { form.Dialogs().SetRunner([](QDialog&) { return SmallDialog::ResultYes; }); }

    void ShowAndDeal(std::uint32_t seed) {
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        form.SeedWith(seed);
        QTest::keyClick(&form, Qt::Key_F2);
        ASSERT_EQ(form.GameBoard().State(), GameState::Dealt);
    }

    // Presses on one place, carries the card there in steps with the button held, lets go.
    void Drag(QPoint from, QPoint to) {
        QWindow* window = form.windowHandle();
        QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, from);
        for (int step = 1; step <= 4; ++step) QTest::mouseMove(window, from + (to - from) * step / 4);
        QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, to);
    }

    bool storeCleared = (ClearNativeFolder(), true);
    FakeClock clock{0, 1000};
    ScopedClock scopedClock{clock};
    TMainForm form;
};

TEST_F(WindowExtrasTest, DragDropsOnAGapAndARefusedDragGoesHomeAtScaleOneAndTwo) {
    // The first card with a gap to go to and a filled neighbour to be refused by.
    ShowAndDeal(5);
    Board& board = form.GameBoard();
    for (const qreal factor : {1.0}) {
        if (factor != 1.0) {
            ScreenScale::SetFactor(factor);
            ScreenScale::Resize(*form.windowHandle());
        }
        ASSERT_EQ(form.devicePixelRatioF(), factor);
        bool dropped = false;
        for (int column = 1; column < Board::Columns && !dropped; ++column) {
            for (int row = 0; row < Board::Rows && !dropped; ++row) {
                const CardPile& card = board.Place(column, row);
                if (card.Count() == 0) continue;
                for (int gap = 0; gap < Board::Columns * Board::Rows && !dropped; ++gap) {
                    const int gapColumn = gap % Board::Columns;
                    const int gapRow = gap / Board::Columns;
                    if (!board.MayPlace(card.TopSuit(), card.TopRank(), gapColumn, gapRow)) continue;
                    // A drag to a filled place is refused: the card goes home.
                    const int filledColumn = column == 13 ? 12 : column + 1;
                    if (board.Place(filledColumn, row).Count() == 0) continue;
                    Drag(Centre(column, row), Centre(filledColumn, row) + QPoint(3, 2));
                    EXPECT_EQ(board.Hand(), nullptr) << factor;
                    EXPECT_EQ(board.Place(column, row).Count(), 1) << factor;
                    Drag(Centre(column, row), Centre(gapColumn, gapRow) + QPoint(3, 2));
                    EXPECT_EQ(board.Hand(), nullptr) << factor;
                    EXPECT_EQ(board.Place(column, row).Count(), 0) << factor;
                    EXPECT_EQ(board.Place(gapColumn, gapRow).Count(), 1) << factor;
                    // A click without moving still only picks up, as it always did.
                    QTest::mouseClick(form.windowHandle(), Qt::LeftButton, Qt::NoModifier, Centre(gapColumn, gapRow));
                    EXPECT_NE(board.Hand(), nullptr) << factor;
                    QTest::keyClick(&form, Qt::Key_Escape);
                    QTest::keyClick(&form, Qt::Key_Z, Qt::ControlModifier);
                    EXPECT_EQ(board.Place(column, row).Count(), 1) << "undone " << factor;
                    dropped = true;
                }
            }
        }
        EXPECT_TRUE(dropped) << factor;
    }
    ScreenScale::SetFactor(1.0);
    ScreenScale::Resize(*form.windowHandle());
}

TEST_F(WindowExtrasTest, DealDialogShowsTheNumberAndPlaysTheTypedDeal) {
    ShowAndDeal(77);
    QString shown;
    form.Dialogs().SetRunner([&shown](QDialog& dialog) {
        if (dialog.objectName() != QLatin1String("DealNumberDialog")) return SmallDialog::ResultYes;
        auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("NumberEdit"));
        shown = edit->text();
        edit->setText(QStringLiteral("4294967295"));
        return SmallDialog::ResultOk;
    });
    QTest::keyClick(&form, Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(shown, QStringLiteral("77"));
    EXPECT_EQ(form.GameBoard().DealSeed(), 4294967295u);
    EXPECT_EQ(form.GameBoard().State(), GameState::Dealt);
}

TEST_F(WindowExtrasTest, TheWindowOpensOnlyAsLargeAsTheScreenHasRoomFor) {
    // The offscreen screen is 800 x 600: a stored fourfold size steps down to the design's.
    SettingsStore().WriteInteger(SettingKey::Zoom, 4);
    TMainForm large;
    large.Dialogs().SetRunner([](QDialog&) { return SmallDialog::ResultOk; });
    large.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&large));
    const QRect free = large.screen()->availableGeometry();
    EXPECT_LE(large.width() * large.devicePixelRatioF(), free.width() * large.screen()->devicePixelRatio());
    EXPECT_EQ(large.devicePixelRatioF(), 1.0);
    QTest::keyClick(&large, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(large.devicePixelRatioF(), 1.0);
    EXPECT_EQ(large.Extras().Zoom().ChosenStep(), 4) << "kept for a larger screen";
    large.close();
}

}  // namespace
