#include "settings/PositionKeeper.h"

#include <QGuiApplication>
#include <QMargins>
#include <QPointer>
#include <QScreen>
#include <QStringList>
#include <QWidget>
#include <QWindow>
#include <cstdlib>

#include "platform/FrameExtents.h"
#include "settings/SettingsStore.h"

namespace {

// The first item tells the layout of the text; only this one is known.
const QString layoutMark = QStringLiteral("200");
constexpr int itemCount = 7;
constexpr int leftItem = 3;
constexpr int topItem = 4;

// Show commands of a stored placement.
constexpr int showNormal = 1;
constexpr int showMinimised = 2;
constexpr int showMaximised = 3;

}  // namespace

PositionKeeper::PositionKeeper(SettingsStore& settings) : store(settings) {}

QString PositionKeeper::PlacementText(int flags, int showCommand, QRect normal) {
    const QStringList items{layoutMark,
                            QString::number(flags),
                            QString::number(showCommand),
                            QString::number(normal.x()),
                            QString::number(normal.y()),
                            QString::number(normal.x() + normal.width()),
                            QString::number(normal.y() + normal.height())};
    return items.join(QLatin1Char(','));
}

std::optional<QPoint> PositionKeeper::RestoredPosition(const QString& text, QSize windowSize, QRect desktop) {
    const QStringList items = text.split(QLatin1Char(','));
    if (items.size() != itemCount || items[0] != layoutMark) return std::nullopt;
    const std::optional<int> storedLeft = SettingsStore::ParseInteger(items[leftItem]);
    const std::optional<int> storedTop = SettingsStore::ParseInteger(items[topItem]);
    if (!storedLeft || !storedTop) return std::nullopt;

    // 64 bits, so a stored edge near the integer limit cannot overflow when the size is added.
    long long left = *storedLeft;
    long long top = *storedTop;
    long long right = left + windowSize.width();
    long long bottom = top + windowSize.height();

    // The far edges are tested against the desktop's width and height, not its right and bottom
    // edges, so that stored positions come back where they always did. On a desktop that does
    // not start at the origin a window may therefore end past the far edge or stop short of it.
    if (right > desktop.width()) {
        left = desktop.width() - std::llabs(right - left);
        right = desktop.width();
    }
    if (bottom > desktop.height()) {
        top = desktop.height() - std::llabs(bottom - top);
        bottom = desktop.height();
    }
    if (left < desktop.left()) {
        right = desktop.left() + std::llabs(right - left);
        left = desktop.left();
    }
    if (top < desktop.top()) {
        bottom = desktop.top() + std::llabs(bottom - top);
        top = desktop.top();
    }
    return QPoint(static_cast<int>(left), static_cast<int>(top));
}

void PositionKeeper::Restore(QWidget& window) const {
    const QString text = store.ReadText(SettingKey::Placement);
    QScreen* screen = window.screen();
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect desktop = screen->virtualGeometry();
    // The stored position and the desktop bounds are the outer ones, frame and title bar included.
    auto place = [text, desktop](QWidget& target) {
        QWindow* handle = target.windowHandle();
        const QMargins frame = handle != nullptr ? FrameExtents::Of(*handle) : QMargins();
        const std::optional<QPoint> position = RestoredPosition(text, target.size().grownBy(frame), desktop);
        if (!position) return;
        const QRect client(*position + QPoint(frame.left(), frame.top()), target.size());
        if (target.geometry() != client) target.setGeometry(client);
    };
    place(window);
    // A frame guessed before the first mapping is corrected once the window manager has framed it.
    if (QWindow* handle = window.windowHandle(); handle != nullptr && !window.isVisible()) {
        FrameExtents::OnceExposed(*handle, [place, target = QPointer<QWidget>(&window)] {
            if (target != nullptr) place(*target);
        });
    }
}

std::optional<QPoint> PositionKeeper::StoredCorner(QSize outerSize, QRect desktop) const {
    return RestoredPosition(store.ReadText(SettingKey::Placement), outerSize, desktop);
}

void PositionKeeper::Record(const QWidget& window, std::optional<QRect> given) const {
    // A Wayland client is never told where its window stands: keep the position stored by a
    // session that knew it rather than overwrite it with a guess.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return;
    int showCommand = showNormal;
    if (window.isMinimized()) {
        showCommand = showMinimised;
    } else if (window.isMaximized() || window.isFullScreen()) {
        showCommand = showMaximised;
    }
    QRect normal = given.value_or(window.frameGeometry());
    if (!given && showCommand != showNormal && window.normalGeometry().isValid()) {
        // The restored rectangle is known only without the frame; give it the frame's margins.
        const QRect frame = window.frameGeometry();
        const QRect inner = window.geometry();
        const QMargins margins(inner.left() - frame.left(), inner.top() - frame.top(),
                               frame.right() - inner.right(), frame.bottom() - inner.bottom());
        normal = window.normalGeometry().marginsAdded(margins);
    }
    store.WriteText(SettingKey::Placement, PlacementText(0, showCommand, normal));
    store.DeleteRetired();
}
