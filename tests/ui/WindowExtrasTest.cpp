#include <QLineEdit>
#include <QScreen>
#include <QStringList>
#include <QWindow>

#include "MainWindowFixture.h"
#include "game/DealPrinter.h"
#include "platform/ScreenScale.h"
#include "settings/SettingsStore.h"
#include "ui/SmallDialog.h"
#include "ui/SurfaceView.h"

namespace {

class WindowExtrasTest : public MainWindowFixture {
protected:
    void ShowAndDeal(std::uint32_t seed) {
        Open();
        AnswerEvery(SmallDialog::ResultYes);
        Show();
        Session().SeedWith(seed);
        QTest::keyClick(form.get(), Qt::Key_F2);
        ASSERT_EQ(Picture().Text(), DealText(seed));
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
    for (const qreal factor : {1.0, 2.0}) {
        if (factor != 1.0) {
            ScreenScale::SetFactor(factor);
            ScreenScale::Resize(*form->windowHandle(), form->size());
        }
        ASSERT_EQ(form->devicePixelRatioF(), factor);
        bool dropped = false;
        const BoardPicture board = Picture();
        for (int gap = 0; gap < Board::Columns * Board::Rows && !dropped; ++gap) {
            const int gapColumn = gap % Board::Columns;
            const int gapRow = gap / Board::Columns;
            const std::optional<SeenCard> left =
                gapColumn > 0 ? board.Place(gapColumn - 1, gapRow) : std::nullopt;
            if (gapColumn == 0 || board.Place(gapColumn, gapRow) || !left || left->rank == 13) continue;
            const SeenCard card{left->suit, left->rank + 1};
            const QPoint from = *board.Find(card);
            // A drag to a filled place is refused: the card goes home.
            const int filledColumn = from.x() == 13 ? 12 : from.x() + 1;
            if (!board.Place(filledColumn, from.y())) continue;
            Drag(PlaceCenter(from.x(), from.y()), PlaceCenter(filledColumn, from.y()) + QPoint(3, 2));
            EXPECT_EQ(Picture().Cards(), 52) << factor;
            EXPECT_EQ(Picture().Place(from.x(), from.y()), card) << factor;
            Drag(PlaceCenter(from.x(), from.y()), PlaceCenter(gapColumn, gapRow) + QPoint(3, 2));
            EXPECT_EQ(Picture().Cards(), 52) << factor;
            EXPECT_FALSE(Picture().Place(from.x(), from.y())) << factor;
            EXPECT_EQ(Picture().Place(gapColumn, gapRow), card) << factor;
            // A click without moving still only picks up, as it always did.
            const std::size_t heard = audio->requests.size();
            QTest::mouseClick(form->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                              PlaceCenter(gapColumn, gapRow));
            EXPECT_EQ(Cues(heard), std::vector<SoundCue>{SoundCue::Pick}) << factor;
            QTest::keyClick(form.get(), Qt::Key_Escape);
            QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier);
            EXPECT_EQ(Picture().Place(from.x(), from.y()), card) << "undone " << factor;
            dropped = true;
        }
        EXPECT_TRUE(dropped) << factor;
    }
    ScreenScale::SetFactor(1.0);
    ScreenScale::Resize(*form->windowHandle(), form->size());
}

TEST_F(WindowExtrasTest, DealDialogShowsTheNumberAndPlaysTheTypedDeal) {
    ShowAndDeal(77);
    QString shown;
    answer = [&shown](QDialog& dialog) {
        if (dialog.objectName() != QLatin1String("DealNumberDialog")) return SmallDialog::ResultYes;
        auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("NumberEdit"));
        shown = edit->text();
        edit->setText(QStringLiteral("4294967295"));
        return SmallDialog::ResultOk;
    };
    QTest::keyClick(form.get(), Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(shown, QStringLiteral("77"));
    EXPECT_EQ(Picture().Text(), DealText(4294967295u));
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
    EXPECT_EQ(SettingsStore().ReadInteger(SettingKey::Zoom), 4) << "kept for a larger screen";
    // Full screen and back: the board centred in the screen, then the window where it was.
    const QRect normal = form->geometry();
    QTest::keyClick(form.get(), Qt::Key_F11);
    ASSERT_TRUE(
        QTest::qWaitFor([this, normal] { return form->isFullScreen() && form->size() != normal.size(); }));
    EXPECT_EQ(form->findChild<SurfaceView*>()->geometry().center(), form->rect().center());
    QTest::keyClick(form.get(), Qt::Key_F11);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !form->isFullScreen(); }));
    QTest::qWait(20);
    EXPECT_EQ(form->geometry(), normal);
    EXPECT_EQ(form->findChild<SurfaceView*>()->pos(), QPoint(0, 0));
    form->close();
}

TEST_F(WindowExtrasTest, ZoomKeepsTheWindowsCornerAndKeepsItsPlaceAtScaleOneOnALargeScreen) {
    Open();
    AnswerEvery(SmallDialog::ResultOk);
    Show();
    const QRect free = form->screen()->availableGeometry();
    if (free.width() < 2 * ClientWidth + 100 || free.height() < 2 * ClientHeight + 100) {
        GTEST_SKIP() << "no room for step 2 on this screen";
    }
    QWindow* window = form->windowHandle();
    auto corner = [this] { return ScreenScale::DeviceGeometry(*form->windowHandle()).topLeft(); };
    auto outer = [this] {
        return ScreenScale::DeviceGeometry(*form->windowHandle())
            .marginsAdded(ScreenScale::DeviceFrame(*form->windowHandle()));
    };
    auto stored = [] {
        const QStringList items = SettingsStore().ReadText(SettingKey::Placement).split(QLatin1Char(','));
        return items.size() == 7 ? QPoint(items[3].toInt(), items[4].toInt()) : QPoint(-1, -1);
    };

    // Away from the screen's corner, at odd places, which have no whole pixel at step 2.
    window->setFramePosition(QPoint(301, 207));
    // Until the window has heard of it, as of a move by the player.
    ASSERT_TRUE(QTest::qWaitFor([this] { return form->frameGeometry().topLeft() == QPoint(301, 207); }));
    const QPoint placed = corner();
    QTest::keyClick(form.get(), Qt::Key_Plus, Qt::ControlModifier);
    ASSERT_EQ(form->devicePixelRatioF(), 2.0);
    EXPECT_EQ(corner(), placed) << "grown in place";
    QTest::keyClick(form.get(), Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(corner(), placed);

    // Near the far corner the larger window steps in as far as it must, and back at step 1 the
    // window stands where it stood.
    const QPoint far =
        free.bottomRight() - QPoint(outer().width() + 11, outer().height() + 13) + QPoint(1, 1);
    window->setFramePosition(far);
    ASSERT_TRUE(QTest::qWaitFor([this, far] { return form->frameGeometry().topLeft() == far; }));
    const QPoint farCorner = corner();
    QTest::keyClick(form.get(), Qt::Key_Plus, Qt::ControlModifier);
    ASSERT_EQ(form->devicePixelRatioF(), 2.0);
    EXPECT_EQ(outer().bottomRight(), free.bottomRight()) << "stepped in to the free area's edge";
    QTest::keyClick(form.get(), Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(corner(), farCorner);

    // Ended at step 2, stepped in: the kept place is the one at step 1, and the next run at step 2
    // starts stepped in from there, and goes back to it.
    QTest::keyClick(form.get(), Qt::Key_Plus, Qt::ControlModifier);
    const QPoint steppedIn = corner();
    ASSERT_NE(steppedIn, farCorner);
    form.reset();
    EXPECT_EQ(stored(), far);
    // As a new run: the enlargement is the process's and goes with it.
    ScreenScale::SetFactor(1.0);
    Open();
    Show();
    ASSERT_EQ(form->devicePixelRatioF(), 2.0);
    EXPECT_EQ(corner(), steppedIn);
    QTest::keyClick(form.get(), Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(corner(), farCorner);
    form.reset();
    EXPECT_EQ(stored(), far);
}

}  // namespace
