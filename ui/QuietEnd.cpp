#include "ui/QuietEnd.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QWidget>

QuietEnd::QuietEnd(QWidget& mainWindow) : window(mainWindow) {}

void QuietEnd::Request() {
    if (requested) return;
    requested = true;
    Step();
}

void QuietEnd::Step() {
    if (QWidget* modal = QApplication::activeModalWidget(); modal != nullptr) {
        if (auto* dialog = qobject_cast<QDialog*>(modal); dialog != nullptr) {
            dialog->reject();
        } else {
            modal->close();
        }
        QTimer::singleShot(10, this, &QuietEnd::Step);
        return;
    }
    window.close();
}
