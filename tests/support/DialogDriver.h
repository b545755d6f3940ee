#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QIcon>
#include <QPixmap>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <functional>
#include <memory>
#include <vector>

#include "FakeClock.h"
#include "Waits.h"
#include "cards/TableGeometry.h"
#include "platform/Clock.h"
#include "ui/DialogLook.h"
#include "ui/SmallDialog.h"

// Helpers for driving the modal dialogs the way a player does: exec() runs its own event loop,
// so the keys and clicks are sent from inside it once the dialog is the active window.

// The result ExecDriven reports when the drive left the dialog open.
constexpr int StillOpen = 99;

// The player acts once the dialog has been up long enough to take input.
inline int ExecDriven(QDialog& dialog, const std::function<void()>& drive) {
    FakeClock clock{0, SmallDialog::InputGuardMs};
    const ScopedClock scopedClock(clock);
    QTimer::singleShot(0, &dialog, [&dialog, &drive] {
        if (!QTest::qWaitForWindowActive(&dialog, WaitLimitMs))
            ADD_FAILURE() << "the dialog never became active";
        drive();
        if (dialog.isVisible()) dialog.done(StillOpen);
    });
    return dialog.exec();
}

// A key from the keyboard: it goes to whatever has the focus in the active window.
inline void PressKey(Qt::Key key) {
    QTest::keyClick(static_cast<QWidget*>(nullptr), key);
}

// The title bar's close box.
inline void CloseBox(QDialog& dialog) {
    dialog.windowHandle()->close();
}

inline void ClickButton(QDialog& dialog, const char* name) {
    auto* button = dialog.findChild<QPushButton*>(QString::fromLatin1(name));
    ASSERT_NE(button, nullptr) << name;
    QTest::mouseClick(button, Qt::LeftButton);
}

// A stand-in for the main window: a visible top-level window with an icon, at a known place.
inline std::unique_ptr<QWidget> MakeMainWindow(QRect geometry = QRect(100, 120, ClientWidth, ClientHeight)) {
    InstallFontSubstitutions();
    auto window = std::make_unique<QWidget>();
    QPixmap icon(32, 32);
    icon.fill(Qt::darkGreen);
    window->setWindowIcon(QIcon(icon));
    window->setGeometry(geometry);
    window->show();
    return window;
}

// Answers the modal dialogs a window opens from its own modal loops, one scripted answer each,
// and records which dialogs appeared in which order. A dialog past the script gets Cancel.
class Answerer {
public:
    using Answer = std::function<void(QDialog&)>;

    explicit Answerer(std::vector<Answer> script) : answers(std::move(script)) {
        timer.setInterval(PollMs);
        QObject::connect(&timer, &QTimer::timeout, [this] { Poll(); });
        timer.start();
    }

    std::vector<QString> seen;

private:
    static constexpr int PollMs = 5;

    void Poll() {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible() || dialog == last) return;
        // Keys go to the focus, which the dialog has only once it is the active window; on a busy
        // machine that can take a few polls, but a dialog that never gets there must not hold
        // its modal loop for ever.
        if (!dialog->isActiveWindow()) {
            if (++inactivePolls * PollMs < WaitLimitMs) return;
            ADD_FAILURE() << "the dialog never became active";
            dialog->done(StillOpen);
        }
        inactivePolls = 0;
        if (!dialog->isVisible()) return;
        last = dialog;
        seen.push_back(QString::fromLatin1(dialog->metaObject()->className()));
        if (next < answers.size()) {
            // The player answers once the dialog takes input.
            FakeClock later{GameClock().TickCount() + SmallDialog::InputGuardMs};
            const ScopedClock scopedClock(later);
            answers[next++](*dialog);
        } else {
            dialog->done(2);
        }
        last = nullptr;
    }

    QTimer timer;
    std::vector<Answer> answers;
    std::size_t next = 0;
    QDialog* last = nullptr;
    int inactivePolls = 0;
};
