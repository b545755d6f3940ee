#include "platform/InputGuard.h"

#include <QCoreApplication>
#include <QEvent>

#include "platform/Clock.h"

InputGuard::InputGuard(QObject& guarded) : QObject(&guarded), window(guarded) {
    window.installEventFilter(this);
}

InputGuard::~InputGuard() {
    End();
}

void InputGuard::Start() {
    shownAt = GameClock().TickCount();
    if (!guarding) QCoreApplication::instance()->installEventFilter(this);
    guarding = true;
}

void InputGuard::End() {
    if (guarding) QCoreApplication::instance()->removeEventFilter(this);
    guarding = false;
}

bool InputGuard::AimsAtWindow(const QObject* receiver) const {
    // A press reaches the control under the pointer or with the focus, inside the window.
    for (; receiver != nullptr; receiver = receiver->parent()) {
        if (receiver == &window) return true;
    }
    return false;
}

bool InputGuard::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window && !event->spontaneous()) {
        // A window shown again with its guard still up starts a fresh one.
        if (event->type() == QEvent::Show) Start();
        if (event->type() == QEvent::Hide) End();
    }
    if (!guarding) return false;
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::Shortcut:
            break;
        default:
            return false;
    }
    if (!AimsAtWindow(watched)) return false;
    // The tick counter wraps; the difference modulo 2^32 is the time since the showing.
    if (GameClock().TickCount() - shownAt < GuardMs) return true;
    End();
    return false;
}
