#include "media/ToolTipFilter.h"

#include <QApplication>
#include <QHelpEvent>
#include <QWidget>

#include "media/ShapedToolTip.h"

namespace {

// As long as the standard tooltip stays: ten seconds, longer for long texts.
int ShowingTime(const QString& text) {
    return 10000 + 40 * qMax(0, static_cast<int>(text.size()) - 100);
}

// Time for the windows beneath a tooltip that was just hidden to paint again before the next
// one reads the screen.
constexpr int RepaintDelayMs = 50;

}  // namespace

ToolTipFilter::ToolTipFilter() {
    hideTimer.setSingleShot(true);
    connect(&hideTimer, &QTimer::timeout, this, &ToolTipFilter::Hide);
    showTimer.setSingleShot(true);
    showTimer.setInterval(RepaintDelayMs);
    connect(&showTimer, &QTimer::timeout, this, &ToolTipFilter::ShowPending);
    qApp->installEventFilter(this);
}

ToolTipFilter::~ToolTipFilter() {
    qApp->removeEventFilter(this);
}

bool ToolTipFilter::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::ToolTip: {
            auto* control = qobject_cast<QWidget*>(watched);
            // A control without a tooltip of its own lets the event go on to its parent.
            if (control == nullptr || control->toolTip().isEmpty()) return false;
            Show(control, static_cast<QHelpEvent*>(event)->globalPos());
            return true;
        }
        case QEvent::Leave:
        case QEvent::Hide:
            if (watched == owner || watched == pending) Hide();
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::ApplicationDeactivate:
            Hide();
            break;
        default:
            break;
    }
    return false;
}

void ToolTipFilter::Show(QWidget* control, QPoint spot) {
    const bool showing = tip != nullptr && tip->isVisible();
    if (showing && control == owner && control->toolTip() == tip->Text()) return;
    pending = control;
    pendingSpot = spot;
    if (showing) {
        tip->hide();
        showTimer.start();
    } else {
        ShowPending();
    }
}

void ToolTipFilter::ShowPending() {
    if (pending == nullptr) return;
    if (tip == nullptr) tip = std::make_unique<ShapedToolTip>();
    owner = pending;
    pending = nullptr;
    const QString text = owner->toolTip();
    tip->ShowText(pendingSpot, text);
    hideTimer.start(ShowingTime(text));
}

void ToolTipFilter::Hide() {
    showTimer.stop();
    hideTimer.stop();
    pending = nullptr;
    owner = nullptr;
    if (tip != nullptr) tip->hide();
}
