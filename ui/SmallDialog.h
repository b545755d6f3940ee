#pragma once

#include <QDialog>
#include <QPointer>
#include <cstdint>

#include "platform/InputGuard.h"

class QPushButton;

// What the dialogs of the game share: created once and shown modally again and again, each
// showing placed and given its texts anew, with the focus back on the control that had it when
// the dialog last closed.
class SmallDialog : public QDialog {
    Q_OBJECT

public:
    // Modal results the callers compare against.
    static constexpr int ResultOk = 1;
    static constexpr int ResultCancel = 2;
    static constexpr int ResultYes = 6;
    // For this long after a showing the dialog ignores mouse presses and keys: a click or key
    // meant for what lay under it must not answer it.
    static constexpr std::uint32_t InputGuardMs = InputGuard::GuardMs;

    enum class Placement {
        // Every showing centred over the main window (the small questions and messages).
        OverMainWindow,
        // Centred on the screen at the first showing, afterwards where the player left it.
        WhereLeft,
    };

    // The main window is the parent, the window to place over, and the source of the icon.
    explicit SmallDialog(QWidget* mainWindow, Placement placement = Placement::OverMainWindow);

    void done(int result) override;
    // The close box and every other way of backing out give Cancel.
    void reject() override;

    // Gives any other box of the game the same guard against input meant for what lay under it.
    static void GuardInput(QWidget& box);

    // A closed box hands its window, and the picture the window system keeps of it, back until
    // its next showing makes them again: boxes are made once and kept, and a long game would
    // otherwise hold every box's picture it ever showed.
    void ReleaseWindow();

protected:
    // Runs at every showing, after the placement and before the dialog appears.
    virtual void FormActivate() = 0;

    // Esc presses this button; a dialog without one ignores Esc.
    void SetCancelButton(QPushButton* button);
    // The control that has the focus at the first showing.
    void SetInitialFocus(QWidget* control);

    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Puts the dialog's outer corner where the placement rule says, frame included.
    void Place();

    QWidget* owner;
    Placement placement;
    bool closedOnce = false;
    QPoint leftAt;
    QPushButton* cancelButton = nullptr;
    QPointer<QWidget> initialFocus;
    QPointer<QWidget> lastFocus;
};
