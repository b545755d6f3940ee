#include <QLineEdit>
#include <QScreen>
#include <QWindow>

#include "MainWindowFixture.h"
#include "platform/ScreenScale.h"
#include "settings/SettingsStore.h"
#include "ui/SmallDialog.h"
#include "ui/SurfaceView.h"
#include "ui/WindowExtras.h"
#include "ui/ZoomController.h"

namespace {

class WindowExtrasTest : public MainWindowFixture {
protected:
    void ShowAndDeal(std::uint32_t seed) {
        Open();
        AnswerEvery(SmallDialog::ResultYes);
        Show();
        Session().SeedWith(seed);
        QTest::keyClick(form.get(), Qt::Key_F2);
        ASSERT_EQ(GameBoard().State(), GameState::Dealt);
    }

    // Presses on one place, carries the card there in steps with the button held, lets go.
    void Drag(QPoint from, QPoint to) {
        QWindow* window = form->windowHandle();
        QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, from);
        for (int step = 1; step <= 4; ++step) QTest::mouseMove(window, from + (to - from) * step / 4);
        QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, to);
    }
};

TEST_F(WindowExtrasTest, DragDropsOnAGapAndARefusedDragGoesHomeAtScaleOneAndTwo) {
    // The first card with a gap to go to and a filled neighbour to be refused by.
    ShowAndDeal(5);
    Board& board = GameBoard();
    for (const qreal factor : {1.0, 2.0}) {
        if (factor != 1.0) {
            ScreenScale::SetFactor(factor);
            ScreenScale::Resize(*form->windowHandle(), form->size());
        }
        ASSERT_EQ(form->devicePixelRatioF(), factor);
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
                    Drag(PlaceCenter(column, row), PlaceCenter(filledColumn, row) + QPoint(3, 2));
                    EXPECT_EQ(board.Hand(), nullptr) << factor;
                    EXPECT_EQ(board.Place(column, row).Count(), 1) << factor;
                    Drag(PlaceCenter(column, row), PlaceCenter(gapColumn, gapRow) + QPoint(3, 2));
                    EXPECT_EQ(board.Hand(), nullptr) << factor;
                    EXPECT_EQ(board.Place(column, row).Count(), 0) << factor;
                    EXPECT_EQ(board.Place(gapColumn, gapRow).Count(), 1) << factor;
                    // A click without moving still only picks up, as it always did.
                    QTest::mouseClick(form->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                                      PlaceCenter(gapColumn, gapRow));
                    EXPECT_NE(board.Hand(), nullptr) << factor;
                    QTest::keyClick(form.get(), Qt::Key_Escape);
                    QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier);
                    EXPECT_EQ(board.Place(column, row).Count(), 1) << "undone " << factor;
                    dropped = true;
                }
            }
        }
        EXPECT_TRUE(dropped) << factor;
    }
    ScreenScale::SetFactor(1.0);
    ScreenScale::Resize(*form->windowHandle(), form->size());
}

TEST_F(WindowExtrasTest, DealDialogShowsTheNumberAndPlaysTheTypedDeal) {
    ShowAndDeal(77);
    QString shown;
    Session().Dialogs().SetRunner([&shown](QDialog& dialog) {
        if (dialog.objectName() != QLatin1String("DealNumberDialog")) return SmallDialog::ResultYes;
        auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("NumberEdit"));
        shown = edit->text();
        edit->setText(QStringLiteral("4294967295"));
        return SmallDialog::ResultOk;
    });
    QTest::keyClick(form.get(), Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(shown, QStringLiteral("77"));
    EXPECT_EQ(GameBoard().DealSeed(), 4294967295u);
    EXPECT_EQ(GameBoard().State(), GameState::Dealt);
}

TEST_F(WindowExtrasTest, TheWindowOpensOnlyAsLargeAsTheScreenHasRoomForAndComesBackFromFullScreen) {
    // The offscreen screen is 800 x 600: a stored fourfold size steps down to the design's.
    SettingsStore().WriteInteger(SettingKey::Zoom, 4);
    Open();
    AnswerEvery(SmallDialog::ResultOk);
    Show();
    const QRect free = form->screen()->availableGeometry();
    EXPECT_LE(form->width() * form->devicePixelRatioF(), free.width() * form->screen()->devicePixelRatio());
    EXPECT_EQ(form->devicePixelRatioF(), 1.0);
    QTest::keyClick(form.get(), Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(form->devicePixelRatioF(), 1.0);
    EXPECT_EQ(Session().Extras().Zoom().ChosenStep(), 4) << "kept for a larger screen";
    // Full screen and back: the board centred in the screen, then the window where it was.
    const QRect normal = form->geometry();
    QTest::keyClick(form.get(), Qt::Key_F11);
    ASSERT_TRUE(QTest::qWaitFor([this, normal] { return form->isFullScreen() && form->size() != normal.size(); }));
    EXPECT_EQ(form->findChild<SurfaceView*>()->geometry().center(), form->rect().center());
    QTest::keyClick(form.get(), Qt::Key_F11);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !form->isFullScreen(); }));
    QTest::qWait(20);
    EXPECT_EQ(form->geometry(), normal);
    EXPECT_EQ(form->findChild<SurfaceView*>()->pos(), QPoint(0, 0));
    form->close();
}

}  // namespace
