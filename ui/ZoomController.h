#pragma once

#include <QObject>
#include <QPoint>
#include <QSize>

#include <optional>

class QScreen;
class QWidget;
class SettingsStore;

// Ctrl+plus, Ctrl+minus and Ctrl+0: the main window and its dialogs shown 1 to 4 times as large
// as the desktop's own density would show them, every design pixel a block of whole device
// pixels where the density allows. The step is kept in the settings. A window never opens larger
// than the screen's free area: the scale steps down until it fits. Maximised or full screen, the
// window shows its content centred at the largest whole scale that fits.
//
// At step 1 on a plain screen nothing is changed at all.
class ZoomController : public QObject {
    Q_OBJECT

public:
    static constexpr int MaxStep = 4;

    ZoomController(QWidget& window, QSize design, const SettingsStore& store);
    ~ZoomController() override;

    void Step(int delta);
    void Reset();
    void ToggleFullScreen();

    // The step the player chose.
    int ChosenStep() const { return chosen; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Sets the scale the window's state asks for: the chosen step as far as it fits, or the
    // largest whole scale that fills a maximised window.
    void Fit();
    // Maximised or full screen, now or in the given state.
    bool Large() const;
    static bool Large(Qt::WindowStates states);
    // Lets the window manager give the window any size from the design's up.
    void LiftFixedSize();
    // The scale the chosen step gets on this screen in a window of normal state.
    qreal Fitted() const;
    void KeepOnScreen();
    void RepaintAll();
    void Apply(qreal scale);
    QScreen* Screen() const;
    void MoveContent(QPoint offset);

    QWidget& window;
    const SettingsStore& store;
    QSize design;
    int chosen = 1;
    // The device pixel ratio before any enlargement; once one is applied, the part of the ratio
    // that is not ours.
    qreal base = 1.0;
    qreal others = 1.0;
    bool applied = false;
    QPoint contentOffset;
    bool fitting = false;
    // Where the window stood at its own size, for its return from maximised or full screen.
    std::optional<QPoint> normalPlace;
};
