#include <gtest/gtest.h>

#include "DialogDriver.h"
#include "ui/DialogPlacement.h"
#include "ui/TGiveUpDlg.h"

namespace {

TEST(PlaceOverMainWindow, CentresAcrossTheWidthAndOnTheClientArea) {
    // A framed main window: 8 pixels of border and a 22-pixel title bar around a 683 x 342 client.
    const QRect mainFrame(100, 50, 691, 372);
    EXPECT_EQ(PlaceOverMainWindow(mainFrame, 342, QSize(269, 131)), QPoint(100 + 211, 50 + 372 - 236));
    // Without a frame the dialog's middle lands on the middle of the client area.
    const QPoint corner = PlaceOverMainWindow(QRect(0, 0, 683, 342), 342, QSize(261, 103));
    EXPECT_EQ(corner, QPoint(211, 342 - 222));
    EXPECT_EQ(corner.y() + 103 / 2, 171);
}

TEST(PlaceOverMainWindow, DifferencesAreTruncatedTowardZero) {
    // A dialog 5 pixels wider than the main window starts 2 pixels further left, not 3.
    EXPECT_EQ(PlaceOverMainWindow(QRect(200, 100, 300, 200), 180, QSize(305, 100)).x(), 198);
    EXPECT_EQ(PlaceOverMainWindow(QRect(200, 100, 300, 200), 180, QSize(295, 100)).x(), 202);
    EXPECT_EQ(PlaceOverMainWindow(QRect(200, 100, 300, 200), 181, QSize(300, 100)).y(), 100 + 200 - 140);
    // Nothing keeps it on the screen: a main window partly off it takes the dialog along.
    EXPECT_EQ(PlaceOverMainWindow(QRect(-500, -300, 683, 342), 342, QSize(385, 473)), QPoint(-351, -365));
}

TEST(DialogPlacement, EveryShowingIsPlacedAnewOverTheMainWindow) {
    Language language = Language::English;
    auto main = MakeMainWindow(QRect(100, 120, 683, 342));
    TGiveUpDlg dialog(main.get(), language);
    QPoint firstAt;
    ExecDriven(dialog, [&] { firstAt = dialog.frameGeometry().topLeft(); });
    EXPECT_EQ(firstAt, PlaceOverMainWindow(main->frameGeometry(), 342, dialog.frameGeometry().size()));

    // The player moved the main window meanwhile; the dialog follows at its next showing.
    const QPoint mainBefore = main->frameGeometry().topLeft();
    main->move(40, 30);
    QPoint secondAt;
    ExecDriven(dialog, [&] { secondAt = dialog.frameGeometry().topLeft(); });
    EXPECT_EQ(secondAt - firstAt, main->frameGeometry().topLeft() - mainBefore);
}

}  // namespace
