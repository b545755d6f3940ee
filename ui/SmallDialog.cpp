#include "ui/SmallDialog.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include "platform/FrameExtents.h"
#include "platform/InputGuard.h"
#include "ui/DialogPlacement.h"

namespace {

QMargins FrameOf(QWidget& window) {
    QWindow* handle = window.windowHandle();
    return handle != nullptr ? FrameExtents::Of(*handle) : QMargins();
}

}  // namespace

SmallDialog::SmallDialog(QWidget* mainWindow, Placement where)
    : QDialog(mainWindow), owner(mainWindow), placement(where) {
    GuardInput(*this);
}

void SmallDialog::GuardInput(QWidget& box) {
    new InputGuard(box);
}

void SmallDialog::done(int result) {
    // Remembered here rather than on hiding, while the focus still sits where the player left it.
    if (QWidget* focused = focusWidget(); focused != nullptr && isAncestorOf(focused)) lastFocus = focused;
    leftAt = pos();
    closedOnce = true;
    QDialog::done(result);
}

void SmallDialog::ReleaseWindow() {
    if (!isVisible()) destroy();
}

void SmallDialog::reject() {
    done(ResultCancel);
}

void SmallDialog::SetCancelButton(QPushButton* button) {
    cancelButton = button;
}

void SmallDialog::SetInitialFocus(QWidget* control) {
    initialFocus = control;
}

void SmallDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    Place();
    // Where the frame could not be learnt before mapping, the guess is corrected once the window
    // manager has framed the dialog; a right guess moves nothing.
    if (QWindow* handle = windowHandle(); handle != nullptr) {
        FrameExtents::OnceExposed(*handle, [dialog = QPointer<SmallDialog>(this)] {
            if (dialog != nullptr && dialog->isVisible()) dialog->Place();
        });
    }
    FormActivate();
    QWidget* target = lastFocus;
    if (target == nullptr || !target->isVisibleTo(this) || !target->isEnabled()) target = initialFocus;
    if (target != nullptr) target->setFocus(Qt::OtherFocusReason);
}

void SmallDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        if (cancelButton != nullptr && cancelButton->isEnabled()) cancelButton->click();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void SmallDialog::Place() {
    if (placement == Placement::WhereLeft) {
        if (closedOnce) {
            move(leftAt);
            return;
        }
        const QScreen* onScreen = owner != nullptr ? owner->screen() : screen();
        if (onScreen == nullptr) return;
        const QMargins frame = FrameOf(*this);
        const QSize outer = size().grownBy(frame);
        const QRect desk = onScreen->geometry();
        const QPoint corner(desk.left() + (desk.width() - outer.width()) / 2,
                            desk.top() + (desk.height() - outer.height()) / 2);
        setGeometry(QRect(corner + QPoint(frame.left(), frame.top()), size()));
        return;
    }
    if (owner == nullptr) return;
    const QRect mainOuter = owner->geometry().marginsAdded(FrameOf(*owner->window()));
    const QMargins frame = FrameOf(*this);
    const QPoint corner = PlaceOverMainWindow(mainOuter, owner->height(), size().grownBy(frame));
    // The client rectangle, not move(): before the first mapping Qt cannot tell a frame
    // position from a client one.
    const QRect client(corner + QPoint(frame.left(), frame.top()), size());
    if (geometry() != client) setGeometry(client);
}
