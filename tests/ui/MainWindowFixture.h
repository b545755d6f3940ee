#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QMouseEvent>
#include <QTest>

#include <memory>

#include "ConfigHome.h"
#include "FakeClock.h"
#include "game/Board.h"
#include "game/Statistics.h"
#include "platform/Clock.h"
#include "platform/Surface.h"
#include "ui/DialogLook.h"
#include "ui/GameSession.h"
#include "ui/MainDialogs.h"
#include "ui/TMainForm.h"
#include "ui/ToolStrip.h"

// The main window as the window tests drive it: on an empty settings store, with a clock that
// makes every slide and pause finish at once. The window is made by Open(), so a test can
// prepare the store first, and made again by the next Open(), as the next run of the program.
class MainWindowFixture : public ::testing::Test {
protected:
    MainWindowFixture() {
        ClearNativeFolder();
        InstallFontSubstitutions();
    }

    TMainForm& Open() {
        form.reset();
        form = std::make_unique<TMainForm>();
        return *form;
    }
    void Show() {
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    // Shown, and its first activation (the language question, the about box) over.
    void ShowAndSettle() {
        Show();
        QTest::qWait(50);
    }

    GameSession& Session() { return form->Session(); }
    Board& GameBoard() { return Session().GameBoard(); }
    Statistics& Stats() { return Session().Stats(); }
    QImage Canvas() { return Session().WindowSurface().Image().copy(); }

    // Every dialog the window opens is answered at once with `result`, without showing it.
    void AnswerEvery(int result) {
        Session().Dialogs().SetRunner([result](QDialog&) { return result; });
    }

    QAbstractButton* Button(ToolStrip::Command command) { return form->findChild<ToolStrip*>()->Button(command); }
    void Click(ToolStrip::Command command) { QTest::mouseClick(Button(command), Qt::LeftButton); }
    // The surface view, which takes the mouse on the board.
    QWidget* BoardView() { return form->childAt(300, 200); }
    static QPoint PlaceCenter(int column, int row) { return {column * 48 + 8 + 21, row * 70 + 47 + 30}; }
    // A pointer move with no button held, delivered at once: QTest's own move only sets the
    // cursor, which sends nothing when the cursor already stands there.
    static void MovePointer(QWidget& widget, QPoint at) {
        QMouseEvent move(QEvent::MouseMove, at, widget.mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&widget, &move);
    }

    FakeClock clock{0, 1000};
    ScopedClock scopedClock{clock};
    // Goes before the clock it runs on.
    std::unique_ptr<TMainForm> form;
};
