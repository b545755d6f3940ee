#include "ui/KeyControl.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

KeyControl::KeyControl(QWidget& windowRef, const ToolStrip& toolStrip, Board& board, TableDrawing& drawing,
                       PointerPlay& pointer)
    : window(windowRef), tools(toolStrip), keys(board, drawing, pointer) {
    // Watched for the whole application rather than bound as shortcuts: a shortcut needs the
    // window to be the active one, which a compositor may never grant a window it did not focus.
    qApp->installEventFilter(this);
}

KeyControl::~KeyControl() {
    qApp->removeEventFilter(this);
}

void KeyControl::Bind(const QKeySequence& key, std::function<void()> command) {
    bindings.emplace_back(key, std::move(command));
}

bool KeyControl::HandleKey(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    const int key = event.key();
    const QKeySequence pressed(QKeyCombination(modifiers, static_cast<Qt::Key>(key)));
    for (const auto& [sequence, command] : bindings) {
        if (sequence != pressed) continue;
        if (!event.isAutoRepeat()) RunCommand(command);
        return true;
    }
    if (RepeatingKey(modifiers, key)) return true;
    // Held down, no other key repeats.
    if (event.isAutoRepeat()) return false;
    return SingleKey(modifiers, key);
}

bool KeyControl::RepeatingKey(Qt::KeyboardModifiers modifiers, int key) {
    if (modifiers == Qt::NoModifier) {
        switch (key) {
            case Qt::Key_Left:
                keys.Press(KeyPlay::Key::Left);
                return true;
            case Qt::Key_Right:
                keys.Press(KeyPlay::Key::Right);
                return true;
            case Qt::Key_Up:
                keys.Press(KeyPlay::Key::Up);
                return true;
            case Qt::Key_Down:
                keys.Press(KeyPlay::Key::Down);
                return true;
            default:
                break;
        }
    }
    // Undo and redo repeat when held: each step shows at once, so a held Ctrl+Z walks back
    // through the round.
    if (modifiers == Qt::ControlModifier && (key == Qt::Key_Z || key == Qt::Key_Y)) {
        keys.Press(key == Qt::Key_Z ? KeyPlay::Key::Undo : KeyPlay::Key::Redo);
        return true;
    }
    if (modifiers == (Qt::ControlModifier | Qt::ShiftModifier) && key == Qt::Key_Z) {
        keys.Press(KeyPlay::Key::Redo);
        return true;
    }
    return false;
}

bool KeyControl::SingleKey(Qt::KeyboardModifiers modifiers, int key) {
    if (modifiers == Qt::NoModifier) {
        switch (key) {
            case Qt::Key_Space:
            case Qt::Key_Return:
            case Qt::Key_Enter:
                keys.Press(KeyPlay::Key::Act);
                return true;
            case Qt::Key_Escape:
                keys.Press(KeyPlay::Key::Back);
                return true;
            case Qt::Key_F2:
                return Press(ToolStrip::Command::NewDeal);
            case Qt::Key_F1:
                return Press(ToolStrip::Command::Help);
            default:
                return false;
        }
    }
    if (modifiers == Qt::ControlModifier) {
        switch (key) {
            case Qt::Key_R:
                return Press(ToolStrip::Command::Replay);
            case Qt::Key_M:
                return Press(ToolStrip::Command::Reshuffle);
            case Qt::Key_Q:
                return Press(ToolStrip::Command::Quit);
            case Qt::Key_Comma:
                return Press(ToolStrip::Command::Options);
            case Qt::Key_T:
                return Press(ToolStrip::Command::Statistics);
            case Qt::Key_L:
                return Press(ToolStrip::Command::Language);
            case Qt::Key_I:
                return Press(ToolStrip::Command::About);
            default:
                return false;
        }
    }
    return false;
}

bool KeyControl::Press(ToolStrip::Command command) {
    QAbstractButton* button = tools.Button(command);
    if (button == nullptr || !button->isEnabled()) return true;
    QPointer<QAbstractButton> guard(button);
    RunCommand([guard] {
        if (guard) guard->click();
    });
    return true;
}

void KeyControl::RunCommand(const std::function<void()>& command) {
    // The command may deal, ask, or close the window: the cursor keeps out of its way and comes
    // back afterwards if the window is still in play.
    const bool wasShown = keys.CursorShown();
    keys.HideCursor();
    QPointer<QWidget> guard(&window);
    command();
    if (wasShown && guard && window.isVisible()) keys.ShowCursor();
}

bool KeyControl::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    const bool ours = widget != nullptr && widget->window() == &window;
    switch (event->type()) {
        case QEvent::KeyPress:
            keyDriven = true;
            if (ours && HandleKey(*static_cast<QKeyEvent*>(event))) return true;
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            keyDriven = false;
            if (ours) keys.HideCursor();
            break;
        case QEvent::Show:
            if (auto* dialog = qobject_cast<QDialog*>(watched); dialog != nullptr && !event->spontaneous()) {
                dialog->setAttribute(Qt::WA_KeyboardFocusChange, keyDriven);
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
