#pragma once

#include <QKeySequence>
#include <QObject>
#include <functional>
#include <vector>

#include "game/KeyPlay.h"
#include "ui/ToolStrip.h"

class QKeyEvent;
class QWidget;

// The main window's keys: the arrows, Space, Enter and Esc play on the board through KeyPlay,
// and the command keys click the tool buttons, so each command takes its button's own way.
//
//   Arrows        move the cursor over the places
//   Space, Enter  pick up the card under the cursor, or drop the held card there
//   Esc           send the held card back
//   Ctrl+Z undo, Ctrl+Y or Ctrl+Shift+Z redo (held down, these and the arrows repeat)
//   F2 new deal, Ctrl+R replay, Ctrl+M reshuffle, F1 help, Ctrl+Q quit,
//   Ctrl+, options, Ctrl+T statistics, Ctrl+L language, Ctrl+I about
//   and whatever other commands are bound to a key, such as H for the winning hint
//
// Any click in the window or a dialog taking over hides the cursor, so nothing can draw over it
// unawares; the next key shows it again.
class KeyControl : public QObject {
    Q_OBJECT

public:
    KeyControl(QWidget& window, const ToolStrip& tools, Board& board, TableDrawing& drawing,
               PointerPlay& pointer);
    ~KeyControl() override;

    KeyPlay& Keys() { return keys; }

    // A further command key. Like a tool button's key, it runs with the cursor kept out of its way.
    void Bind(const QKeySequence& key, std::function<void()> command);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // True when the key was one of ours.
    bool HandleKey(const QKeyEvent& event);
    // The cursor's moves, undo and redo, which repeat while their key is held.
    bool RepeatingKey(Qt::KeyboardModifiers modifiers, int key);
    // Keys that act once per press.
    bool SingleKey(Qt::KeyboardModifiers modifiers, int key);
    // Clicks the tool button of that command; a disabled one refuses the key as it refuses a click.
    bool Press(ToolStrip::Command command);
    void RunCommand(const std::function<void()>& command);

    QWidget& window;
    const ToolStrip& tools;
    KeyPlay keys;
    // Whether the last thing the player did was a key: a dialog opened then shows its focus at
    // once, as it would after Tab; opened by a click it looks as it always did.
    bool keyDriven = false;
    std::vector<std::pair<QKeySequence, std::function<void()>>> bindings;
};
