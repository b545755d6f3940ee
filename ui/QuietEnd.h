#pragma once

#include <QObject>

class QWidget;

// Closes the main window on a request from outside the game, such as a logout: any open dialog
// first, as with its close box, then the window. A dialog's own loop has to end before the window
// can close, so the window is closed once the code that showed the dialog has gone on; if that
// code shows the next dialog, it goes the same way.
class QuietEnd : public QObject {
public:
    explicit QuietEnd(QWidget& mainWindow);

    void Request();
    // From the first request on, the game asks and shows nothing more.
    bool Requested() const { return requested; }

private:
    void Step();

    QWidget& window;
    bool requested = false;
};
