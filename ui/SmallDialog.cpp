#include "ui/SmallDialog.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

#include "ui/DialogPlacement.h"

SmallDialog::SmallDialog(QWidget* mainWindow, Placement where)
    : QDialog(mainWindow), owner(mainWindow), placement(where) {}

void SmallDialog::done(int result) {
    // Remembered here rather than on hiding, while the focus still sits where the player left it.
    if (QWidget* focused = focusWidget(); focused != nullptr && isAncestorOf(focused)) lastFocus = focused;
    leftAt = pos();
    QDialog::done(result);
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
        if (placedOnce) {
            move(leftAt);
            return;
        }
        placedOnce = true;
        const QScreen* onScreen = owner != nullptr ? owner->screen() : screen();
        if (onScreen == nullptr) return;
        const QSize size = frameGeometry().size();
        const QRect desk = onScreen->geometry();
        move(desk.left() + (desk.width() - size.width()) / 2,
             desk.top() + (desk.height() - size.height()) / 2);
        return;
    }
    if (owner == nullptr) return;
    const QPoint corner =
        PlaceOverMainWindow(owner->frameGeometry(), owner->height(), frameGeometry().size());
    move(corner);
}
