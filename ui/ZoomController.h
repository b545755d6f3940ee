#pragma once

#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QTimer>
#include <optional>

class PositionKeeper;
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

    // The window's outer rectangle at scale one, in the program's pixels: where it stands, or
    // would stand, at step 1. Nothing while no enlargement was ever applied; then the window's
    // own rectangle is that.
    std::optional<QRect> OneXFrame() const;
    // At the first showing: puts an enlarged window where the kept place at scale one says. False
    // when the window is not enlarged, and its places in the program's pixels are the kept ones.
    bool PlaceStored(const PositionKeeper& keeper);

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
    // Puts a window of normal state at the player's place, stepped in as far as the screen's
    // free area needs.
    void Place();
    // The window's frame in device pixels, or the one last seen while it has none.
    QMargins Frame() const;
    // Between device pixels and the program's pixels at scale one, about the screen's corner.
    QPoint ToOneX(QPoint device) const;
    QPoint ToDevice(QPoint oneX) const;
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
    // In device pixels, the client area's corner: where the player put the window (kept through
    // maximised and full screen), and where it was last put here to fit.
    std::optional<QPoint> home;
    std::optional<QPoint> placedAt;
    // Runs while the window is on its way to where it was put: a window manager may move it
    // elsewhere first (back from the whole screen, to the screen's corner), which is not the
    // player's doing. Bounded, in case the window manager never puts it there.
    QTimer settling;
    // The frame last seen around the window: back from the whole screen, it has none until the
    // window manager frames it again.
    QMargins frame;
};
