#include "platform/ScreenScale.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <qpa/qplatformwindow.h>
#include <qpa/qwindowsysteminterface.h>
#include <private/qhighdpiscaling_p.h>

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

void Resize(QWindow& window) {
    QPlatformWindow* platform = window.handle();
    if (platform == nullptr) return;
    platform->setGeometry(QHighDpi::toNativeWindowGeometry(window.geometry(), &window));
    Redraw(window);
}

void Resync(QWindow& window) {
    QPlatformWindow* platform = window.handle();
    if (platform == nullptr) return;
    QWindowSystemInterface::handleGeometryChange<QWindowSystemInterface::SynchronousDelivery>(&window, platform->geometry());
    Redraw(window);
}

}  // namespace ScreenScale
