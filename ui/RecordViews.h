#pragma once

#include "base/Language.h"
#include "ui/StatusStrip.h"

class Board;
class DealRecorder;
class GameFlow;
class HistoryWindow;
class KeyControl;
class MainDialogs;
class QWidget;
class SettingsStore;
class WinningHint;

// The two ways the player looks at the record, each on its own key and made when first asked for:
// the history window (Ctrl+H), whose chosen deal is played as Ctrl+D plays a deal, and the status
// line (Ctrl+B), which lies over the banner while it is on and is remembered on or off. Off, as
// it is by default, the window is exactly the plain one.
class RecordViews {
public:
    struct Parts {
        QWidget& window;
        // The strip the status line covers.
        QWidget& banner;
        const Board& board;
        GameFlow& flow;
        MainDialogs& dialogs;
        KeyControl& keys;
        const SettingsStore& store;
        const Language& language;
        DealRecorder& recorder;
        // Its background search has the word on the round in play.
        const WinningHint& hint;
    };

    explicit RecordViews(const Parts& parts);

    // After the first paint: the status line back if the player left it on.
    void FirstShown();
    void ShowHistory();
    void ToggleStatusLine();
    bool StatusLineOn() const;

private:
    void ShowStatusLine(bool on);
    StatusStrip::Facts Facts() const;
    StatusStrip::RoundWord RoundWord() const;

    QWidget& window;
    QWidget& banner;
    const Board& board;
    GameFlow& flow;
    MainDialogs& dialogs;
    const SettingsStore& store;
    const Language& language;
    DealRecorder& recorder;
    const WinningHint& hint;
    // Made when first asked for, with the window as their parent.
    HistoryWindow* history = nullptr;
    StatusStrip* strip = nullptr;
};
