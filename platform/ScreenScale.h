#pragma once

#include <QSize>
#include <QtGlobal>

class QWindow;

// Enlarges everything the program shows by a factor, on top of what the desktop asks for, as a
// denser screen would: windows, dialogs, text and artwork alike, while the program goes on
// working in its own pixels. Qt keeps this scale for the whole process; it is set here only.
namespace ScreenScale {

// Applies factor to every screen. Windows already on the screen keep their size in the program's
// pixels: Resize or Resync brings each one's size on the screen in line.
void SetFactor(qreal factor);
// Gives a window of fixed size, size in the program's pixels, its size on the screen for the
// factor now in force.
void Resize(QWindow& window, QSize size);
// Takes a window whose size the window manager decides (maximised, full screen) at its size on
// the screen, in the program's pixels for the factor now in force.
void Resync(QWindow& window);

}  // namespace ScreenScale
