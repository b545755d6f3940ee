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
#include "game/KeyPlay.h"
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
    }

    void ShowAndDeal(std::uint32_t seed) {
        Show();
        Session().SeedWith(seed);
        Key(Qt::Key_F2);
        ASSERT_EQ(GameBoard().State(), GameState::Dealt);
    }
    KeyPlay& Keys() { return Session().Keys(); }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { QTest::keyClick(form.get(), key, modifiers); }
    // Walks the cursor to a place with the arrow keys.
    void GoTo(int column, int row) {
        if (!Keys().CursorShown()) Key(Qt::Key_Right);
        while (Keys().Column() < column) Key(Qt::Key_Right);
        while (Keys().Column() > column) Key(Qt::Key_Left);
        while (Keys().Row() < row) Key(Qt::Key_Down);
        while (Keys().Row() > row) Key(Qt::Key_Up);
        ASSERT_EQ(QPoint(Keys().Column(), Keys().Row()), QPoint(column, row));
    }
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
        ASSERT_NE(GameBoard().Hand(), nullptr) << "nothing picked up at " << move.from;
        GoTo(move.to % 14, move.to / 14);
        Key(Qt::Key_Return);
        ASSERT_EQ(GameBoard().Hand(), nullptr);
        ASSERT_NE(GameBoard().Place(move.to % 14, move.to / 14).Count(), 0) << "refused at " << move.to;
    }
    EXPECT_TRUE(GameBoard().IsWon());
    EXPECT_EQ(GameBoard().State(), GameState::Over);
    EXPECT_EQ(Stats().sinceStartWon, 1);
}

TEST_F(KeyPlayTest, TheCursorNeverLeavesATraceNorTouchesACard) {
    ShowAndDeal(1);
    KeyPlay& keys = Keys();
    // With the cursor shown, the places hold what they would without it; with it hidden, the
    // whole board is what a fresh paint of the cards gives.
    auto check = [&](const char* step) {
        ASSERT_EQ(GameBoard().Hand(), nullptr) << step;
        const bool wasShown = keys.CursorShown();
        const QImage shown = Canvas();
        keys.HideCursor();
        const QImage hidden = Canvas();
        Session().Paint();
        ASSERT_EQ(hidden, Canvas()) << step;
        for (int column = 0; column < 14; ++column) {
            for (int row = 0; row < 4; ++row) {
                const QRect place(column * 48 + 8, row * 70 + 47, 43, 60);
                ASSERT_EQ(shown.copy(place), hidden.copy(place)) << step << " " << column << "," << row;
            }
        }
        if (wasShown) keys.ShowCursor();
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
    while (GameBoard().Place(filled, 1).Count() == 0) ++filled;
    GoTo(filled, 1);
    Key(Qt::Key_Space);
    ASSERT_NE(GameBoard().Hand(), nullptr);
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
    ASSERT_NE(GameBoard().Place(first.to % 14, first.to / 14).Count(), 0);
    check("move made");

    // A card picked up with the mouse under the cursor, then carried by the keys.
    GoTo(3, 0);
    QTest::mouseClick(BoardView(), Qt::LeftButton, {}, QPoint(3 * 48 + 8 + 21, 47 + 30));
    ASSERT_NE(GameBoard().Hand(), nullptr);
    Key(Qt::Key_Down);
    Key(Qt::Key_Down);
    Key(Qt::Key_Right);
    Key(Qt::Key_Escape);
    check("picked by the mouse, carried by the keys");

    // A new deal from its key while the cursor is up.
    Key(Qt::Key_F2);
    EXPECT_TRUE(keys.CursorShown());
    check("new deal");
}

TEST_F(KeyPlayTest, CommandKeysTakeTheirButtonsWays) {
    std::vector<QString> asked;
    Session().Dialogs().SetRunner([&asked](QDialog& dialog) {
        asked.push_back(QString::fromLatin1(dialog.metaObject()->className()));
        return SmallDialog::ResultCancel;
    });
    ShowAndDeal(1);
    asked.clear();
    QSignalSpy help(form->findChild<ToolStrip*>(), &ToolStrip::help);
    Key(Qt::Key_F1);
    EXPECT_EQ(help.count(), 1);
    Key(Qt::Key_M, Qt::ControlModifier);
    Key(Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(GameBoard().ReshufflesLeft(), 0);
    Key(Qt::Key_R, Qt::ControlModifier);
    Key(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(asked, (std::vector<QString>{QStringLiteral("TGiveUpDlg"), QStringLiteral("TEndGameDlg")}));
    EXPECT_TRUE(form->isVisible());
}

TEST_F(KeyPlayTest, DoubleDensityShowsTheBoardAsBlocksOfItsPixels) {
    ShowAndDeal(1);
    // What a screen of twice the density gets: the window painted for a ratio of 2.
    QImage grab(form->size() * 2, QImage::Format_RGB32);
    grab.setDevicePixelRatio(2);
    form->render(&grab);
    const QImage& board = Session().WindowSurface().Image();
    for (int y = 2 * 37; y < 2 * (342 - 15); ++y) {
        for (int x = 0; x < 2 * 683; ++x) {
            ASSERT_EQ(grab.pixel(x, y), board.pixel(x / 2, y / 2)) << x << "," << y;
        }
    }
}

}  // namespace
