#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <climits>

#include "PrintQt.h"
#include "settings/PositionKeeper.h"
#include "settings/SettingsStore.h"

namespace {

const QRect fullHd(0, 0, 1920, 1080);
const QSize windowSize(640, 480);

TEST(PlacementTextTest, SevenDecimalsWithExclusiveFarEdges) {
    EXPECT_EQ(PositionKeeper::PlacementText(0, 1, QRect(269, 375, 640, 480)),
              QStringLiteral("200,0,1,269,375,909,855"));
    EXPECT_EQ(PositionKeeper::PlacementText(2, 3, QRect(-1280, -20, 100, 50)),
              QStringLiteral("200,2,3,-1280,-20,-1180,30"));
}

TEST(RestoredPositionTest, MalformedTextsAreIgnored) {
    const char* const texts[] = {
        "",
        "200,0,1,10,20,650",
        "200,0,1,10,20,650,500,0",
        "100,0,1,10,20,650,500",
        " 200,0,1,10,20,650,500",
        "200;0;1;10;20;650;500",
        "200,0,1,ten,20,650,500",
        "200,0,1,10,,650,500",
        "200,0,1,10, 20,650,500",
        "200,0,1,1.5,20,650,500",
        "200,0,1,99999999999,20,650,500",
    };
    for (const char* text : texts) {
        EXPECT_FALSE(PositionKeeper::RestoredPosition(QString::fromLatin1(text), windowSize, fullHd)) << text;
    }
}

TEST(RestoredPositionTest, OnlyLeftAndTopAreTaken) {
    EXPECT_EQ(PositionKeeper::RestoredPosition(QStringLiteral("200,0,1,10,20,650,500"), windowSize, fullHd),
              QPoint(10, 20));
    // Flags, show command and far edges neither move the window nor have to be numbers.
    EXPECT_EQ(PositionKeeper::RestoredPosition(QStringLiteral("200,x,y,-0,+7,z,w"), windowSize, fullHd),
              QPoint(0, 7));
}

TEST(RestoredPositionTest, WindowIsPulledBackOntoTheDesktop) {
    const struct {
        const char* text;
        QSize size;
        QRect desktop;
        QPoint expected;
    } cases[] = {
        // Beyond the far edges: the far edge lands on the desktop's width or height.
        {"200,0,1,5000,20,0,0", windowSize, fullHd, {1280, 20}},
        {"200,0,1,10,900,0,0", windowSize, fullHd, {10, 600}},
        {"200,0,1,1281,601,0,0", windowSize, fullHd, {1280, 600}},
        {"200,0,1,2147483647,2147483647,0,0", windowSize, fullHd, {1280, 600}},
        // Before the near edges.
        {"200,0,1,-300,-5,0,0", windowSize, fullHd, {0, 0}},
        {"200,0,1,-2147483648,20,0,0", windowSize, fullHd, {0, 20}},
        // Larger than the desktop: the near edges are tested last, so they win.
        {"200,0,1,100,100,0,0", QSize(2000, 1200), fullHd, {0, 0}},
        // Fitting exactly is not beyond.
        {"200,0,1,1280,600,0,0", windowSize, fullHd, {1280, 600}},
        // A screen left of and above the primary one: the far edges are still measured by
        // width and height, so a window may end past the right edge at x = 1920 ...
        {"200,0,1,1500,300,0,0", windowSize, QRect(-1280, -200, 3200, 1280), {1500, 300}},
        // ... and one beyond the width stops at width minus its own width.
        {"200,0,1,4000,2000,0,0", windowSize, QRect(-1280, -200, 3200, 1280), {2560, 800}},
        {"200,0,1,-2000,-900,0,0", windowSize, QRect(-1280, -200, 3200, 1280), {-1280, -200}},
        // A desktop that starts right of and below the origin.
        {"200,0,1,0,0,0,0", windowSize, QRect(100, 50, 1920, 1080), {100, 50}},
        {"200,0,1,1900,1000,0,0", windowSize, QRect(100, 50, 1920, 1080), {1280, 600}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PositionKeeper::RestoredPosition(QString::fromLatin1(c.text), c.size, c.desktop),
                  c.expected)
            << c.text;
    }
}

class PositionKeeperTest : public ::testing::Test {
protected:
    PositionKeeperTest()
        : store(SettingsStore::AtFile(
              folder.filePath(QStringLiteral("keeper.ini")),
              [this](const SettingsStore::Failure& failure) { reports << failure.Message(); })),
          keeper(store) {
        window.resize(300, 200);
        window.move(269, 375);
    }

    QString Stored() const {
        return store.ReadText(QStringLiteral("Form"), QStringLiteral("MainForm"), QString());
    }

    QTemporaryDir folder;
    QStringList reports;
    SettingsStore store;
    PositionKeeper keeper;
    QWidget window;
};

TEST_F(PositionKeeperTest, NothingStoredLeavesTheDesignedPosition) {
    keeper.Restore(window);
    EXPECT_EQ(window.pos(), QPoint(269, 375));
    store.WriteText(QStringLiteral("Form"), QStringLiteral("MainForm"),
                    QStringLiteral("100,0,1,10,20,310,220"));
    keeper.Restore(window);
    EXPECT_EQ(window.pos(), QPoint(269, 375));
    EXPECT_TRUE(reports.isEmpty());
}

TEST_F(PositionKeeperTest, RecordedPositionComesBack) {
    window.move(40, 30);
    keeper.Record(window);
    EXPECT_EQ(Stored(), QStringLiteral("200,0,1,40,30,340,230"));

    QWidget next;
    next.resize(300, 200);
    next.move(269, 375);
    keeper.Restore(next);
    EXPECT_EQ(next.pos(), QPoint(40, 30));
    EXPECT_TRUE(reports.isEmpty());
}

TEST_F(PositionKeeperTest, RestoreKeepsTheWindowOnItsVirtualDesktop) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    const QRect desktop = screen->virtualGeometry();
    store.WriteText(QStringLiteral("Form"), QStringLiteral("MainForm"),
                    QStringLiteral("200,0,1,100000,-100000,0,0"));
    keeper.Restore(window);
    EXPECT_EQ(window.pos(), QPoint(desktop.width() - 300, desktop.top()));
}

TEST_F(PositionKeeperTest, RecordDropsColourAndFontButKeepsTheRest) {
    const QString form = QStringLiteral("Form");
    store.WriteInteger(form, QStringLiteral("MainFormColor"), 255);
    store.WriteText(form, QStringLiteral("MainFormFont"), QStringLiteral("Arial"));
    store.WriteInteger(form, QStringLiteral("Other"), 3);
    keeper.Record(window);
    EXPECT_EQ(store.ReadInteger(form, QStringLiteral("MainFormColor"), -1), -1);
    EXPECT_EQ(store.ReadText(form, QStringLiteral("MainFormFont"), QStringLiteral("none")),
              QStringLiteral("none"));
    EXPECT_EQ(store.ReadInteger(form, QStringLiteral("Other"), -1), 3);
    EXPECT_EQ(Stored(), QStringLiteral("200,0,1,269,375,569,575"));
}

TEST_F(PositionKeeperTest, RecordKeepsTheNormalRectangleWhateverTheState) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QRect normal = window.frameGeometry();
    const auto expected = [&normal](int showCommand) {
        return QStringLiteral("200,0,%1,%2,%3,%4,%5")
            .arg(showCommand)
            .arg(normal.x())
            .arg(normal.y())
            .arg(normal.x() + normal.width())
            .arg(normal.y() + normal.height());
    };
    keeper.Record(window);
    EXPECT_EQ(Stored(), expected(1));

    window.setWindowState(Qt::WindowMaximized);
    QCoreApplication::processEvents();
    ASSERT_NE(window.frameGeometry(), normal);
    keeper.Record(window);
    EXPECT_EQ(Stored(), expected(3));

    window.setWindowState(Qt::WindowNoState);
    QCoreApplication::processEvents();
    window.setWindowState(Qt::WindowMinimized);
    QCoreApplication::processEvents();
    keeper.Record(window);
    EXPECT_EQ(Stored(), expected(2));
}

}  // namespace
