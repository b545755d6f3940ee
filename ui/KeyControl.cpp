#include "ui/KeyControl.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QKeySequence>
#include <QPointer>
#include <QShortcut>
#include <QWidget>

KeyControl::KeyControl(QWidget& windowRef, Board& board, BoardHost& host, PointerPlay& pointer)
    : window(windowRef), keys(board, host, pointer) {
    setObjectName(QStringLiteral("KeyControl"));
    Bind(Qt::Key_Left, KeyPlay::Key::Left, true);
    Bind(Qt::Key_Right, KeyPlay::Key::Right, true);
    Bind(Qt::Key_Up, KeyPlay::Key::Up, true);
    Bind(Qt::Key_Down, KeyPlay::Key::Down, true);
    Bind(Qt::Key_Space, KeyPlay::Key::Act, false);
    Bind(Qt::Key_Return, KeyPlay::Key::Act, false);
    Bind(Qt::Key_Enter, KeyPlay::Key::Act, false);
    Bind(Qt::Key_Escape, KeyPlay::Key::Back, false);
    BindButton(Qt::Key_F2, "NewBtn");
    BindButton(QKeySequence(Qt::CTRL | Qt::Key_R), "ResetBtn");
    BindButton(QKeySequence(Qt::CTRL | Qt::Key_M), "MixBtn");
    BindButton(Qt::Key_F1, "HelpBtn");
    BindButton(QKeySequence(Qt::CTRL | Qt::Key_Q), "ExitBtn");
    qApp->installEventFilter(this);
}

KeyControl::~KeyControl() {
    qApp->removeEventFilter(this);
}

void KeyControl::Bind(const QKeySequence& sequence, KeyPlay::Key key, bool repeat) {
    auto* shortcut = new QShortcut(sequence, &window);
    shortcut->setAutoRepeat(repeat);
    connect(shortcut, &QShortcut::activated, this, [this, key] { keys.Press(key); });
}

void KeyControl::BindButton(const QKeySequence& sequence, const char* buttonName) {
    auto* shortcut = new QShortcut(sequence, &window);
    shortcut->setAutoRepeat(false);
    const QString name = QString::fromLatin1(buttonName);
    connect(shortcut, &QShortcut::activated, this, [this, name] {
        Press(window.findChild<QAbstractButton*>(name));
    });
}

void KeyControl::Press(QAbstractButton* button) {
    if (button == nullptr || !button->isEnabled()) return;
    // The command may deal, ask, or close the window: the cursor keeps out of its way and comes
    // back afterwards if the window is still in play.
    const bool wasShown = keys.CursorShown();
    keys.HideCursor();
    QPointer<QAbstractButton> guard(button);
    button->click();
    if (wasShown && guard && window.isVisible()) keys.ShowCursor();
}

bool KeyControl::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (auto* widget = qobject_cast<QWidget*>(watched); widget != nullptr && widget->window() == &window) {
                keys.HideCursor();
            }
            break;
        case QEvent::WindowDeactivate:
            if (watched == &window) keys.HideCursor();
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}
