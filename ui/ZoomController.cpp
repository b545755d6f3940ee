#include "ui/ZoomController.h"

#include <QBackingStore>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cmath>

#include "platform/FrameExtents.h"
#include "platform/ScreenScale.h"
#include "settings/PositionKeeper.h"
#include "settings/SettingsStore.h"

ZoomController::ZoomController(QWidget& windowRef, QSize designSize, const SettingsStore& settings)
    : window(windowRef), store(settings), design(designSize) {
    chosen = std::clamp(store.ReadInteger(SettingKey::Zoom), 1, MaxStep);
    if (const QScreen* screen = Screen()) base = screen->devicePixelRatio();
    others = base;
    settling.setSingleShot(true);
    settling.setInterval(500);
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
                    // The window manager may place a new window itself after this; from there
                    // it may reach past the screen's edge at a larger scale.
                    QTimer::singleShot(0, this, &ZoomController::Place);
                }
                break;
            case QEvent::WindowStateChange:
                if (Large()) {
                    // Made large by the window manager rather than by F11: a window of fixed
                    // size would be left in the screen's corner.
                    LiftFixedSize();
                    Fit();
                } else {
                    // Shrunk from the whole screen, the window would keep the screen's corner:
                    // fitted, it goes back where the player had put it.
                    window.setFixedSize(design);
                    Fit();
                }
                break;
            case QEvent::Move:
                // Where the player puts the window in its own size; not the steps in made here,
                // nor the screen's corner the window manager gives it before it reports a
                // larger state.
                if (!Large() && window.size() == design && window.windowHandle() != nullptr) {
                    const QPoint corner = ScreenScale::DeviceGeometry(*window.windowHandle()).topLeft();
                    if (corner == placedAt) {
                        settling.stop();
                    } else if (!settling.isActive()) {
                        home = corner;
                    }
                }
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
        const int whole =
            std::max(1, std::min(device.width() / design.width(), device.height() / design.height()));
        Apply(whole);
        ScreenScale::Resync(*handle);
        MoveContent(QPoint((window.width() - design.width()) / 2, (window.height() - design.height()) / 2));
        RepaintAll();
        fitting = false;
        return;
    }

    MoveContent(QPoint());
    Apply(Fitted());
    Place();
    RepaintAll();
    fitting = false;
}

qreal ZoomController::Fitted() const {
    QScreen* screen = Screen();
    QWindow* handle = window.windowHandle();
    if (screen == nullptr || handle == nullptr) return base;
    const qreal now = screen->devicePixelRatio();
    const QSize free = screen->availableGeometry().size() * now;
    const QMargins margins = FrameExtents::Of(*handle) * now;
    auto fits = [&](qreal scale) {
        return std::ceil(design.width() * scale) + margins.left() + margins.right() <= free.width() &&
               std::ceil(design.height() * scale) + margins.top() + margins.bottom() <= free.height();
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

void ZoomController::Place() {
    QScreen* screen = Screen();
    QWindow* handle = window.windowHandle();
    if (screen == nullptr || handle == nullptr || Large()) return;
    // All in device pixels: the program's pixels change with the scale, and a place in them is
    // rounded to a whole number of them.
    const QPoint corner = home.value_or(ScreenScale::DeviceGeometry(*handle).topLeft());
    const QRect area = ScreenScale::DeviceAvailable(*screen);
    frame = Frame();
    const QRect outer = QRect(corner, ScreenScale::DeviceSize(*handle, design)).marginsAdded(frame);
    QPoint shift;
    if (outer.right() > area.right())
        shift.rx() = -std::min(outer.right() - area.right(), outer.left() - area.left());
    if (outer.bottom() > area.bottom())
        shift.ry() = -std::min(outer.bottom() - area.bottom(), outer.top() - area.top());
    const QPoint before = ScreenScale::DeviceGeometry(*handle).topLeft();
    placedAt = corner + shift;
    if (*placedAt != before) settling.start();
    ScreenScale::Resize(*handle, design, placedAt);
}

QMargins ZoomController::Frame() const {
    QWindow* handle = window.windowHandle();
    const QMargins now = handle != nullptr ? ScreenScale::DeviceFrame(*handle) : QMargins();
    return now.isNull() ? frame : now;
}

QPoint ZoomController::ToOneX(QPoint device) const {
    const QScreen* screen = Screen();
    const QPoint origin = screen != nullptr ? screen->geometry().topLeft() : QPoint();
    return origin + ((device - origin).toPointF() / base).toPoint();
}

QPoint ZoomController::ToDevice(QPoint oneX) const {
    const QScreen* screen = Screen();
    const QPoint origin = screen != nullptr ? screen->geometry().topLeft() : QPoint();
    return origin + ((oneX - origin).toPointF() * base).toPoint();
}

std::optional<QRect> ZoomController::OneXFrame() const {
    QWindow* handle = window.windowHandle();
    if (!applied || handle == nullptr) return std::nullopt;
    const QMargins margins = Frame();
    const QPoint corner = home.value_or(ScreenScale::DeviceGeometry(*handle).topLeft());
    const QSize outer =
        design +
        (QSize(margins.left() + margins.right(), margins.top() + margins.bottom()).toSizeF() / base).toSize();
    return QRect(ToOneX(corner - QPoint(margins.left(), margins.top())), outer);
}

bool ZoomController::PlaceStored(const PositionKeeper& keeper) {
    QScreen* screen = Screen();
    QWindow* handle = window.windowHandle();
    if (!applied || screen == nullptr || handle == nullptr) return false;
    // The kept place holds on the desktop as it is at scale one.
    const QRect device = ScreenScale::DeviceDesktop(*screen);
    const QRect desktop(ToOneX(device.topLeft()), (device.size().toSizeF() / base).toSize());
    const QMargins margins = Frame();
    const std::optional<QRect> oneX = OneXFrame();
    if (const std::optional<QPoint> outer = keeper.StoredCorner(oneX->size(), desktop)) {
        home = ToDevice(*outer) + QPoint(margins.left(), margins.top());
        Place();
    }
    return true;
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
