#include "ui/DialogPlacement.h"

QPoint PlaceOverMainWindow(QRect mainFrame, int mainClientHeight, QSize dialogFrame) {
    // C++ division truncates toward zero, which is the rounding wanted when a dialog is wider
    // than the main window: a difference of -5 moves the dialog 2 pixels left, not 3.
    const int left = mainFrame.left() + (mainFrame.width() - dialogFrame.width()) / 2;
    const int top = mainFrame.top() + mainFrame.height() - (mainClientHeight + dialogFrame.height()) / 2;
    return {left, top};
}
