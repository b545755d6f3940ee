#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QtGlobal>
#include <optional>

class QScreen;
class QWindow;

// Enlarges everything the program shows by a factor, on top of what the desktop asks for, as a
// denser screen would: windows, dialogs, text and artwork alike, while the program goes on
// working in its own pixels. Qt keeps this scale for the whole process; it is set here only.
namespace ScreenScale {

// Applies factor to every screen. Windows already on the screen keep their size in the program's
// pixels: Resize or Resync brings each one's size on the screen in line.
void SetFactor(qreal factor);
// Gives a window of fixed size, size in the program's pixels, its size on the screen for the
// factor now in force; with a corner, its client area's top-left corner goes there (in device
// pixels) in the same step.
void Resize(QWindow& window, QSize size, std::optional<QPoint> corner = std::nullopt);
// Where a window stands, its frame and a screen's area free for windows, in device pixels: places
// in the program's pixels change with the factor and are rounded, these do not.
QRect DeviceGeometry(const QWindow& window);
QSize DeviceSize(const QWindow& window, QSize size);
QMargins DeviceFrame(QWindow& window);
QRect DeviceAvailable(const QScreen& screen);
// The whole desktop the screen belongs to, in device pixels.
QRect DeviceDesktop(const QScreen& screen);
// Takes a window whose size the window manager decides (maximised, full screen) at its size on
// the screen, in the program's pixels for the factor now in force.
void Resync(QWindow& window);

}  // namespace ScreenScale
