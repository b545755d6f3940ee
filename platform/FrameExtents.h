#pragma once

#include <QMargins>
#include <functional>
#include <optional>

class QWindow;

// The frame a window manager puts around a top-level window: border and title bar. Windows are
// placed by their outer edges, but most window systems tell the frame only once a window has been
// mapped; this finds it before, so the first showing lands where it should.
class FrameExtents {
public:
    // The frame `window` has, or will have once it is mapped: its own while it has one; else the
    // window manager's answer when asked for it; else the frame last seen on another window of the
    // program; else none. Never blocks for more than a short, bounded wait.
    static QMargins Of(QWindow& window);

    // The frame the window system reports for the window right now (none before it is mapped).
    static QMargins Current(const QWindow& window);

    // Runs `then` once, when `window` is next exposed: by then a window manager has framed it, so
    // a placement made from a guessed frame can be corrected before the player sees much of it.
    static void OnceExposed(QWindow& window, std::function<void()> then);

private:
    // Asks an X11 window manager with _NET_REQUEST_FRAME_EXTENTS. Nothing on other window systems
    // and when no window manager answers; no margins when there is no window manager at all.
    static std::optional<QMargins> AskWindowManager(QWindow& window);

    static inline std::optional<QMargins> lastSeen;
};
