#include "ui/RedrawUnder.h"

#include <QEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

// Long enough for a window manager on a busy machine, short enough not to be noticed when no
// exposure ever comes.
constexpr int LongestWaitMs = 250;

// Ends the wait at the window's first exposure: the dialog's frame, or without a window manager
// the dialog itself, goes from the screen all at once.
class ExposeWatch : public QObject {
public:
    ExposeWatch(QWindow& watched, QEventLoop& waiting) : window(watched), loop(waiting) {
        window.installEventFilter(this);
    }
    ~ExposeWatch() override { window.removeEventFilter(this); }
    ExposeWatch(const ExposeWatch&) = delete;
    ExposeWatch& operator=(const ExposeWatch&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Qt paints the exposed part as it handles the event, after this filter; the wait ends
        // after that.
        if (watched == &window && event->type() == QEvent::Expose) {
            QTimer::singleShot(0, &loop, &QEventLoop::quit);
        }
        return false;
    }

private:
    QWindow& window;
    QEventLoop& loop;
};

}  // namespace

void RedrawUnder(QWidget& window, const QRect& closedFrame) {
    if (!window.isVisible() || window.isMinimized()) return;
    // The part of the window the dialog covered, in the window's own coordinates.
    const QRect covered = closedFrame.intersected(window.geometry()).translated(-window.geometry().topLeft());
    if (covered.isEmpty()) return;
    // A window's repaint leaves its children's pixels as they are: each draws its own part.
    window.repaint(covered);
    for (QWidget* child : window.findChildren<QWidget*>()) {
        if (child->isWindow() || !child->isVisible()) continue;
        const QRect part = QRect(child->mapTo(&window, QPoint(0, 0)), child->size()).intersected(covered);
        if (!part.isEmpty()) child->repaint(part.translated(-child->mapTo(&window, QPoint(0, 0))));
    }
    QWindow* handle = window.windowHandle();
    if (QGuiApplication::platformName() != QLatin1String("xcb") || handle == nullptr) return;

    QEventLoop loop;
    const ExposeWatch watch(*handle, loop);
    QTimer::singleShot(LongestWaitMs, &loop, &QEventLoop::quit);
    // No input and no other sources: nothing the player or another process does is handled
    // before the caller has gone on.
    loop.exec(QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers);
}
