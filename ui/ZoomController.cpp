#include "ui/ZoomController.h"

#include <QBackingStore>
#include <QEvent>
#include <QWindowStateChangeEvent>
#include <QTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cmath>

#include "platform/FrameExtents.h"
#include "platform/ScreenScale.h"
#include "settings/SettingsStore.h"

ZoomController::ZoomController(QWidget& windowRef, QSize designSize, const SettingsStore& settings)
    : window(windowRef), store(settings), design(designSize) {
    chosen = std::clamp(store.ReadInteger(SettingKey::Zoom), 1, MaxStep);
    if (const QScreen* screen = Screen()) base = screen->devicePixelRatio();
    others = base;
    window.installEventFilter(this);
}

ZoomController::~ZoomController() = default;

QScreen* ZoomController::Screen() const {
    QScreen* screen = window.screen();
    return screen != nullptr ? screen : QGuiApplication::primaryScreen();
}

void ZoomController::Step(int delta) {
    const int before = chosen;
    chosen = std::clamp(chosen + delta, 1, MaxStep);
    if (chosen == before) return;
    const bool normal = !Large();
    // A step that the screen has no room for is not taken: the next Ctrl+minus must show.
    if (normal && window.windowHandle() != nullptr && Fitted() < chosen * base && delta > 0) {
        chosen = before;
        return;
    }
    store.WriteInteger(SettingKey::Zoom, chosen);
    Fit();
}

void ZoomController::Reset() {
    Step(1 - chosen);
}

void ZoomController::ToggleFullScreen() {
    if (window.isFullScreen()) {
        window.showNormal();
        return;
    }
    LiftFixedSize();
    window.showFullScreen();
}

bool ZoomController::Large() const {
    return Large(window.windowState());
}

bool ZoomController::Large(Qt::WindowStates states) {
    return (states & (Qt::WindowMaximized | Qt::WindowFullScreen)) != 0;
}

void ZoomController::LiftFixedSize() {
    window.setMinimumSize(design);
    window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

bool ZoomController::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window) {
        switch (event->type()) {
            case QEvent::Show:
                if (!event->spontaneous()) {
                    Fit();
                    // The window goes back to its stored place after this; from there it may
                    // reach past the screen's edge at a larger scale.
                    QTimer::singleShot(0, this, &ZoomController::KeepOnScreen);
                }
                break;
            case QEvent::WindowStateChange:
                if (Large()) {
                    // Made large by the window manager rather than by F11: a window of fixed
                    // size would be left in the screen's corner.
                    LiftFixedSize();
                    Fit();
                } else {
                    const bool wasLarge = Large(static_cast<QWindowStateChangeEvent*>(event)->oldState());
                    window.setFixedSize(design);
                    Fit();
                    // Shrunk from the whole screen, the window would keep the screen's corner:
                    // it goes back where it stood before.
                    if (wasLarge && normalPlace) {
                        window.setGeometry(QRect(*normalPlace, window.size()));
                        KeepOnScreen();
                    }
                }
                break;
            case QEvent::Move:
                // Where the window stands in its own size. Qt's own record of it is overwritten
                // when the window manager moves the window before it reports the new state.
                if (!Large() && window.size() == design) normalPlace = window.geometry().topLeft();
                break;
            case QEvent::Resize:
                if (Large()) Fit();
                break;
            default:
                break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void ZoomController::Fit() {
    QScreen* screen = Screen();
    QWindow* handle = window.windowHandle();
    if (fitting || screen == nullptr || handle == nullptr) return;
    fitting = true;
    if (Large()) {
        // The window manager decides the size; the content takes the largest whole scale it has
        // room for, centred.
        const QSize device = window.size() * window.devicePixelRatioF();
        const int whole = std::max(1, std::min(device.width() / design.width(), device.height() / design.height()));
        Apply(whole);
        ScreenScale::Resync(*handle);
        MoveContent(QPoint((window.width() - design.width()) / 2, (window.height() - design.height()) / 2));
        RepaintAll();
        fitting = false;
        return;
    }

    MoveContent(QPoint());
    Apply(Fitted());
    ScreenScale::Resize(*handle, design);
    KeepOnScreen();
    RepaintAll();
    fitting = false;
}

qreal ZoomController::Fitted() const {
    QScreen* screen = Screen();
    QWindow* handle = window.windowHandle();
    if (screen == nullptr || handle == nullptr) return base;
    const qreal now = screen->devicePixelRatio();
    const QSize free = screen->availableGeometry().size() * now;
    const QMargins frame = FrameExtents::Of(*handle) * now;
    auto fits = [&](qreal scale) {
        return std::ceil(design.width() * scale) + frame.left() + frame.right() <= free.width() &&
               std::ceil(design.height() * scale) + frame.top() + frame.bottom() <= free.height();
    };
    // The chosen step of the desktop's density, as far as it fits; below the desktop's own
    // density only whole scales, down to one device pixel per design pixel.
    qreal scale = 0;
    for (int step = chosen; step >= 1 && scale == 0; --step) {
        if (fits(step * base)) scale = step * base;
    }
    for (int whole = static_cast<int>(std::ceil(base)) - 1; whole >= 1 && scale == 0; --whole) {
        if (fits(whole)) scale = whole;
    }
    if (scale == 0) scale = std::min<qreal>(1, base);
    return scale;
}

void ZoomController::KeepOnScreen() {
    QScreen* screen = Screen();
    QWindow* handle = window.windowHandle();
    if (screen == nullptr || handle == nullptr || Large()) return;
    // Grown, the window may reach past the screen's edge: it moves back as far as it must.
    const QRect area = screen->availableGeometry();
    const QMargins frame = FrameExtents::Of(*handle);
    const QRect outer = window.geometry().marginsAdded(frame);
    QPoint shift;
    if (outer.right() > area.right()) shift.rx() = -std::min(outer.right() - area.right(), outer.left() - area.left());
    if (outer.bottom() > area.bottom()) shift.ry() = -std::min(outer.bottom() - area.bottom(), outer.top() - area.top());
    if (!shift.isNull()) window.setGeometry(window.geometry().translated(shift));
}

void ZoomController::RepaintAll() {
    // Every widget paints itself anew at the new density into a buffer of the new size in device
    // pixels; Qt would only make one when the size in the program's pixels changes.
    if (QBackingStore* buffer = window.backingStore()) buffer->resize(window.size());
    window.update();
    for (QWidget* child : window.findChildren<QWidget*>()) {
        if (!child->isWindow()) child->update();
    }
}

void ZoomController::Apply(qreal scale) {
    // Until the first enlargement the desktop's scaling stays untouched.
    if (!applied && qFuzzyCompare(scale, base)) return;
    qreal factor = scale / others;
    ScreenScale::SetFactor(factor);
    applied = true;
    // An enlargement of ours takes the place of the part of the desktop's ratio that came from
    // its font resolution; what is left is measured, and the factor corrected once.
    if (const QScreen* screen = Screen()) {
        others = screen->devicePixelRatio() / factor;
        if (!qFuzzyCompare(others * factor, scale)) {
            factor = scale / others;
            ScreenScale::SetFactor(factor);
        }
    }
}

void ZoomController::MoveContent(QPoint offset) {
    if (offset == contentOffset) return;
    for (QObject* child : window.children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget == nullptr || widget->isWindow()) continue;
        widget->move(widget->pos() - contentOffset + offset);
    }
    contentOffset = offset;
}
