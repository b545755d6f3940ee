#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include <array>
#include <optional>
#include <set>
#include <vector>

#include "MainWindowFixture.h"
#include "game/DealPrinter.h"
#include "help/HelpPlatform.h"
#include "ui/SmallDialog.h"

namespace {

// A layout as suit * 16 + rank per place, row-major, 0 for a gap.
using Layout = std::array<int, 56>;
struct Move {
    int from;
    int to;
};

Layout ReadDeal(std::uint32_t seed) {
    Layout layout{};
    const QStringList tokens = DealText(seed).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    for (int i = 0; i < 56; ++i) {
        const QString& token = tokens.at(i);
        if (token == QLatin1String("--")) continue;
        const int rank = static_cast<int>(QStringLiteral("A23456789TJQK").indexOf(token[0])) + 1;
        const int suit = static_cast<int>(QStringLiteral("csdh").indexOf(token[1]));
        layout[static_cast<std::size_t>(i)] = suit * 16 + rank;
    }
    return layout;
}

// Depth-first search for a line that wins without a reshuffle, cards onto their final place
// first; nullopt when the budget of positions runs out.
class LineFinder {
public:
    std::optional<std::vector<Move>> Find(Layout layout) {
        seen.clear();
        line.clear();
        if (Search(layout)) return line;
        return std::nullopt;
    }

private:
    static bool Won(const Layout& l) {
        for (int row = 0; row < 4; ++row) {
            for (int column = 0; column < 13; ++column) {
                if (l[static_cast<std::size_t>(row * 14 + column)] != row * 16 + column + 1) return false;
            }
        }
        return true;
    }

    bool Search(Layout& l) {
        if (Won(l)) return true;
        if (seen.size() > 100000 || !seen.insert(l).second) return false;
        std::vector<Move> moves;
        auto add = [&](int card, int gap) {
            for (int i = 0; i < 56; ++i) {
                if (l[static_cast<std::size_t>(i)] == card && i % 14 != 0) moves.push_back({i, gap});
            }
        };
        for (int gap = 0; gap < 56; ++gap) {
            if (gap % 14 == 0 || l[static_cast<std::size_t>(gap)] != 0) continue;
            const int left = l[static_cast<std::size_t>(gap - 1)];
            if (left != 0 && left % 16 < 13) add(left + 1, gap);
            const int right = gap % 14 < 13 ? l[static_cast<std::size_t>(gap + 1)] : 0;
            if (right != 0 && right % 16 > 2) add(right - 1, gap);
        }
        auto home = [&](const Move& m) {
            const int card = l[static_cast<std::size_t>(m.from)];
            return m.to == (card / 16) * 14 + card % 16 - 1;
        };
        std::stable_partition(moves.begin(), moves.end(), home);
        for (const Move& m : moves) {
            std::swap(l[static_cast<std::size_t>(m.from)], l[static_cast<std::size_t>(m.to)]);
            line.push_back(m);
            if (Search(l)) return true;
            line.pop_back();
            std::swap(l[static_cast<std::size_t>(m.from)], l[static_cast<std::size_t>(m.to)]);
        }
        return false;
    }

    std::set<Layout> seen;
    std::vector<Move> line;
};

class KeyPlayTest : public MainWindowFixture {
protected:
    KeyPlayTest() {
        Open();
        AnswerEvery(SmallDialog::ResultYes);
        // F1 may find no help viewer here; its message box would wait for an answer forever.
        previousMessageBox = HelpPlatform::SetMessageBox([](const QString&, const QString&) {});
    }
    ~KeyPlayTest() override { HelpPlatform::SetMessageBox(previousMessageBox); }

    void ShowAndDeal(std::uint32_t seed) {
        Show();
        Session().SeedWith(seed);
        Key(Qt::Key_F2);
        ASSERT_EQ(Picture().Text(), DealText(seed));
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { QTest::keyClick(form.get(), key, modifiers); }
    // The place the cursor stands on, told by its frame's top edge, which runs between the rows.
    std::optional<QPoint> Cursor() {
        const QImage canvas = Canvas();
        const QRgb frame = PixelFromColorRef(Session().FrameColor());
        for (int column = 0; column < Board::Columns; ++column) {
            for (int row = 0; row < Board::Rows; ++row) {
                const int y = PlaceTop(row) - 2;
                const int x = PlaceLeft(column);
                if (canvas.pixel(x + 10, y) == frame && canvas.pixel(x + 21, y) == frame && canvas.pixel(x + 32, y) == frame) {
                    return QPoint(column, row);
                }
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
    // Cards that lie whole on their places: all 52 when none is held.
    int CardsOnPlaces() {
        const BoardPicture board = Picture();
        int cards = 0;
        for (int column = 0; column < Board::Columns; ++column) {
            for (int row = 0; row < Board::Rows; ++row) cards += board.Place(column, row).has_value();
        }
        return cards;
    }

    HelpPlatform::MessageBoxFunction previousMessageBox;
};

TEST_F(KeyPlayTest, ADealIsWonByKeysAlone) {
    // Deal 1 is won quickly this way; the scan only matters if the shuffle ever changes.
    LineFinder finder;
    std::optional<std::vector<Move>> line;
    std::uint32_t seed = 1;
    for (; seed < 40 && !line; ++seed) line = finder.Find(ReadDeal(seed));
    ASSERT_TRUE(line) << "no deal winnable without a reshuffle found";
    ShowAndDeal(seed - 1);

    for (const Move& move : *line) {
        GoTo(move.from % 14, move.from / 14);
        Key(Qt::Key_Space);
        ASSERT_FALSE(Picture().Place(move.from % 14, move.from / 14)) << "nothing picked up at " << move.from;
        GoTo(move.to % 14, move.to / 14);
        Key(Qt::Key_Return);
        ASSERT_TRUE(Picture().Place(move.to % 14, move.to / 14)) << "refused at " << move.to;
    }
    EXPECT_TRUE(Picture().Won());
    EXPECT_TRUE(Ran("TWonDlg"));
    EXPECT_EQ(Stats().sinceStartWon, 1);
}

TEST_F(KeyPlayTest, TheCursorNeverLeavesATraceNorTouchesACard) {
    ShowAndDeal(1);
    // With the cursor shown, the places hold what they would without it; with it hidden, the
    // whole board is what a fresh paint of the cards gives.
    auto check = [&](const char* step) {
        ASSERT_EQ(CardsOnPlaces(), 52) << step << ": a card is held";
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
    const Move first = LineFinder().Find(ReadDeal(1))->front();
    GoTo(first.from % 14, first.from / 14);
    Key(Qt::Key_Space);
    GoTo(5, 3);
    Key(Qt::Key_Return);
    check("refused drop");
    GoTo(first.from % 14, first.from / 14);
    Key(Qt::Key_Space);
    GoTo(first.to % 14, first.to / 14);
    Key(Qt::Key_Return);
    ASSERT_TRUE(Picture().Place(first.to % 14, first.to / 14));
    check("move made");

    // A card picked up with the mouse under the cursor, then carried by the keys.
    GoTo(3, 0);
    QTest::mouseClick(BoardView(), Qt::LeftButton, {}, PlaceCenter(3, 0));
    Key(Qt::Key_Down);
    ASSERT_FALSE(Picture().Place(3, 0)) << "held, and carried to the cursor";
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
    AnswerEvery(SmallDialog::ResultCancel);
    ShowAndDeal(1);
    dialogsRun.clear();
    QSignalSpy help(form->findChild<ToolStrip*>(), &ToolStrip::help);
    Key(Qt::Key_F1);
    EXPECT_EQ(help.count(), 1);
    Key(Qt::Key_M, Qt::ControlModifier);
    Key(Qt::Key_M, Qt::ControlModifier);
    EXPECT_FALSE(Button(ToolStrip::Command::Reshuffle)->isEnabled());
    Key(Qt::Key_R, Qt::ControlModifier);
    Key(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(dialogsRun, (std::vector<QString>{QStringLiteral("TGiveUpDlg"), QStringLiteral("TEndGameDlg")}));
    EXPECT_TRUE(form->isVisible());
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
