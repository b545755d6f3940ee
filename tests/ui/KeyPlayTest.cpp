#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <optional>
#include <vector>

#include "MainWindowFixture.h"
#include "game/DealPrinter.h"
#include "help/HelpFuncs.h"
#include "ui/SmallDialog.h"

namespace {

class KeyPlayTest : public MainWindowFixture {
protected:
    KeyPlayTest() {
        Open();
        AnswerEvery(SmallDialog::ResultYes);
    }

    void ShowAndDeal(std::uint32_t seed) {
        Show();
        Session().SeedWith(seed);
        Key(Qt::Key_F2);
        ASSERT_EQ(Picture().Text(), DealText(seed));
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(form.get(), key, modifiers);
    }
    // The place the cursor stands on, told by its frame's top edge, which runs between the rows.
    std::optional<QPoint> Cursor() {
        const QImage& picture = Canvas();
        const QRgb frame = PixelFromColorRef(Session().FrameColor());
        for (int column = 0; column < Board::Columns; ++column) {
            for (int row = 0; row < Board::Rows; ++row) {
                const int y = PlaceTop(row) - 2;
                const int x = PlaceLeft(column);
                const bool edge = picture.pixel(x + 10, y) == frame && picture.pixel(x + 21, y) == frame &&
                                  picture.pixel(x + 32, y) == frame;
                if (edge) return QPoint(column, row);
            }
        }
        return {};
    }
    // A click where nothing lies takes the cursor away.
    void HideCursor() { QTest::mouseClick(BoardView(), Qt::LeftButton, {}, QPoint(2, 200)); }
    // Walks the cursor to a place with the arrow keys; the first key only shows it.
    void GoTo(int column, int row) {
        std::optional<QPoint> at = Cursor();
        if (!at) {
            Key(Qt::Key_Right);
            at = Cursor();
        }
        ASSERT_TRUE(at) << "no cursor shown";
        for (int c = at->x(); c < column; ++c) Key(Qt::Key_Right);
        for (int c = at->x(); c > column; --c) Key(Qt::Key_Left);
        for (int r = at->y(); r < row; ++r) Key(Qt::Key_Down);
        for (int r = at->y(); r > row; --r) Key(Qt::Key_Up);
        ASSERT_EQ(Cursor(), QPoint(column, row));
    }
};

TEST_F(KeyPlayTest, ADealIsWonByKeysAloneAndStoredBeforeTheMessageShows) {
    const auto [seed, line] = WinnableDeal();
    ShowAndDeal(seed);
    // What a run that dies while the message is up leaves in the store.
    int storedWhileShown = -1;
    answer = [&storedWhileShown](QDialog& dialog) {
        if (QLatin1String(dialog.metaObject()->className()) == QLatin1String("TWonDlg")) {
            storedWhileShown = SettingsStore().ReadInteger(SettingKey::TotalWon);
        }
        return SmallDialog::ResultYes;
    };
    for (const Move& move : line) {
        GoTo(move.fromColumn, move.fromRow);
        Key(Qt::Key_Space);
        ASSERT_FALSE(Picture().Place(move.fromColumn, move.fromRow)) << "nothing picked up";
        GoTo(move.toColumn, move.toRow);
        Key(Qt::Key_Return);
        ASSERT_TRUE(Picture().Place(move.toColumn, move.toRow)) << "refused";
    }
    EXPECT_TRUE(Picture().Won());
    EXPECT_TRUE(Ran("TWonDlg"));
    EXPECT_EQ(Stats().sinceStartWon, 1);
    EXPECT_EQ(storedWhileShown, 1);
}

TEST_F(KeyPlayTest, TheCursorNeverLeavesATraceNorTouchesACard) {
    const auto [seed, line] = WinnableDeal();
    ShowAndDeal(seed);
    // With the cursor shown, the places hold what they would without it; with it hidden, the
    // whole board is what a fresh paint of the cards gives.
    auto check = [&](const char* step) {
        ASSERT_EQ(Picture().Cards(), 52) << step << ": a card is held";
        const bool wasShown = Cursor().has_value();
        const QImage shown = Canvas();
        HideCursor();
        const QImage hidden = Canvas();
        Session().Paint();
        ASSERT_EQ(hidden, Canvas()) << step;
        for (int column = 0; column < 14; ++column) {
            for (int row = 0; row < 4; ++row) {
                const QRect place(PlaceLeft(column), PlaceTop(row), CardWidth, CardHeight);
                ASSERT_EQ(shown.copy(place), hidden.copy(place)) << step << " " << column << "," << row;
            }
        }
        if (wasShown) Key(Qt::Key_Left);
    };
    auto sweep = [&] {
        for (int row = 0; row < 4; ++row) {
            GoTo(row % 2 == 0 ? 13 : 0, row);
            GoTo(row % 2 == 0 ? 0 : 13, row);
        }
    };

    sweep();
    check("cursor over every place");

    // A card carried over every place by the keys, then sent home.
    int filled = 1;
    while (!Picture().Place(filled, 1)) ++filled;
    GoTo(filled, 1);
    Key(Qt::Key_Space);
    ASSERT_FALSE(Picture().Place(filled, 1));
    sweep();
    Key(Qt::Key_Escape);
    check("carried and sent home");

    // A refused drop on a filled place, then the first move of a winning line, into the cursor's
    // own place.
    const Move& first = line.front();
    GoTo(first.fromColumn, first.fromRow);
    Key(Qt::Key_Space);
    GoTo(5, 3);
    Key(Qt::Key_Return);
    check("refused drop");
    GoTo(first.fromColumn, first.fromRow);
    Key(Qt::Key_Space);
    GoTo(first.toColumn, first.toRow);
    Key(Qt::Key_Return);
    ASSERT_TRUE(Picture().Place(first.toColumn, first.toRow));
    check("move made");

    // Held down, Ctrl+Z and Ctrl+Y repeat, each repeat a step; the cursor follows the card.
    auto held = [this](Qt::Key key) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::ControlModifier, QString(), true);
        QApplication::sendEvent(form.get(), &event);
    };
    held(Qt::Key_Z);
    ASSERT_TRUE(Picture().Place(first.fromColumn, first.fromRow)) << "not undone";
    EXPECT_EQ(Cursor(), QPoint(first.fromColumn, first.fromRow));
    check("undone");
    held(Qt::Key_Y);
    ASSERT_TRUE(Picture().Place(first.toColumn, first.toRow)) << "not redone";
    EXPECT_EQ(Cursor(), QPoint(first.toColumn, first.toRow));
    check("redone");

    // A card picked up with the mouse under the cursor, then carried by the keys.
    int column = 3;
    while (!Picture().Place(column, 0)) ++column;
    GoTo(column, 0);
    QTest::mouseClick(BoardView(), Qt::LeftButton, {}, PlaceCenter(column, 0));
    Key(Qt::Key_Down);
    ASSERT_FALSE(Picture().Place(column, 0)) << "held, and carried to the cursor";
    Key(Qt::Key_Down);
    Key(Qt::Key_Right);
    Key(Qt::Key_Escape);
    check("picked by the mouse, carried by the keys");

    // A new deal from its key while the cursor is up.
    Key(Qt::Key_F2);
    EXPECT_TRUE(Cursor());
    check("new deal");
}

TEST_F(KeyPlayTest, CommandKeysTakeTheirButtonsWays) {
    // Never started, so the help the window is handed finds no help control and says so.
    helpSystem = std::make_unique<HelpSystem>(HelpSystem::Options{});
    std::vector<QString> told;
    helpSystem->SetMessageBox([&told](const QString&, const QString& text) { told.push_back(text); });
    Open();
    AnswerEvery(SmallDialog::ResultCancel);
    ShowAndDeal(1);
    dialogsRun.clear();
    QSignalSpy help(form->findChild<ToolStrip*>(), &ToolStrip::help);
    Key(Qt::Key_F1);
    EXPECT_EQ(help.count(), 1);
    EXPECT_EQ(told, std::vector<QString>{HelpFuncs::NotInstalledText()});
    Key(Qt::Key_M, Qt::ControlModifier);
    Key(Qt::Key_M, Qt::ControlModifier);
    EXPECT_FALSE(Button(ToolStrip::Command::Reshuffle)->isEnabled());
    Key(Qt::Key_R, Qt::ControlModifier);
    Key(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(dialogsRun,
              (std::vector<QString>{QStringLiteral("TGiveUpDlg"), QStringLiteral("TEndGameDlg")}));
    EXPECT_TRUE(form->isVisible());
    form.reset();
    EXPECT_FALSE(helpSystem->OnHelp()) << "the window's hook goes with it";
}

TEST_F(KeyPlayTest, DoubleDensityShowsTheBoardAsBlocksOfItsPixels) {
    ShowAndDeal(1);
    // What a screen of twice the density gets: the window painted for a ratio of 2.
    QImage grab(form->size() * 2, QImage::Format_RGB32);
    grab.setDevicePixelRatio(2);
    form->render(&grab);
    const QImage board = Canvas();
    for (int y = 2 * ToolStripHeight; y < 2 * (ClientHeight - BannerHeight); ++y) {
        for (int x = 0; x < 2 * ClientWidth; ++x) {
            ASSERT_EQ(grab.pixel(x, y), board.pixel(x / 2, y / 2)) << x << "," << y;
        }
    }
}

}  // namespace
