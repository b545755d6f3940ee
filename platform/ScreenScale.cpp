#include "platform/ScreenScale.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <qpa/qplatformwindow.h>
#include <qpa/qwindowsysteminterface.h>
#include <private/qhighdpiscaling_p.h>

namespace ScreenScale {

void SetFactor(qreal factor) {
    for (QScreen* screen : QGuiApplication::screens()) QHighDpiScaling::setScreenFactor(screen, factor);
}

void Resize(QWindow& window) {
    QPlatformWindow* platform = window.handle();
    if (platform == nullptr) return;
    platform->setGeometry(QHighDpi::toNativeWindowGeometry(window.geometry(), &window));
}

void Resync(QWindow& window) {
    QPlatformWindow* platform = window.handle();
    if (platform == nullptr) return;
    QWindowSystemInterface::handleGeometryChange<QWindowSystemInterface::SynchronousDelivery>(&window, platform->geometry());
}

}  // namespace ScreenScale
