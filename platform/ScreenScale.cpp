#include "platform/ScreenScale.h"

#include <private/qhighdpiscaling_p.h>
#include <private/qwindow_p.h>
#include <qpa/qplatformscreen.h>
#include <qpa/qplatformwindow.h>
#include <qpa/qwindowsysteminterface.h>

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include "platform/FrameExtents.h"

namespace {

// What Qt does when a window moves to a screen of another density: its widgets are told, drop
// whatever they drew at the old one, and the whole window is drawn again.
void Redraw(QWindow& window) {
    emit window.screenChanged(window.screen());
}

}  // namespace

namespace ScreenScale {

void SetFactor(qreal factor) {
    for (QScreen* screen : QGuiApplication::screens()) QHighDpiScaling::setScreenFactor(screen, factor);
}

void Resize(QWindow& window, QSize size, std::optional<QPoint> corner) {
    QPlatformWindow* platform = window.handle();
    if (platform == nullptr) return;
    // The window's own geometry is its size on the screen divided by the factor now in force, so
    // it cannot tell how large to become: the size comes from the caller. The client area stays
    // where it is; asked to place the frame there instead, the window manager would move the
    // window down by its title bar at every step.
    QRect native = platform->geometry();
    const QSize wanted = QHighDpi::toNativePixels(size, &window);
    // Already as large as that and there: nothing is touched, not even how the window is placed.
    if (native.size() == wanted && (!corner || *corner == native.topLeft())) return;
    native.setSize(wanted);
    if (corner) native.moveTopLeft(*corner);
    qt_window_private(&window)->positionPolicy = QWindowPrivate::WindowFrameExclusive;
    platform->setGeometry(native);
    Redraw(window);
}

QRect DeviceGeometry(const QWindow& window) {
    const QPlatformWindow* platform = window.handle();
    return platform != nullptr ? platform->geometry() : QRect();
}

QSize DeviceSize(const QWindow& window, QSize size) {
    return QHighDpi::toNativePixels(size, &window);
}

QMargins DeviceFrame(QWindow& window) {
    const QPlatformWindow* platform = window.handle();
    if (platform != nullptr && !platform->frameMargins().isNull()) return platform->frameMargins();
    // Not framed yet: the window manager's answer, which comes in device pixels.
    return FrameExtents::Of(window);
}

QRect DeviceAvailable(const QScreen& screen) {
    const QPlatformScreen* platform = screen.handle();
    return platform != nullptr ? platform->availableGeometry() : QRect();
}

QRect DeviceDesktop(const QScreen& screen) {
    QRect desktop;
    for (const QScreen* sibling : screen.virtualSiblings()) {
        if (sibling->handle() != nullptr) desktop |= sibling->handle()->geometry();
    }
    return desktop;
}

void Resync(QWindow& window) {
    QPlatformWindow* platform = window.handle();
    if (platform == nullptr) return;
    QWindowSystemInterface::handleGeometryChange<QWindowSystemInterface::SynchronousDelivery>(
        &window, platform->geometry());
    Redraw(window);
}

}  // namespace ScreenScale
