#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where a small dialog goes over the main window: centred across the main window's full outer
// width and on the middle of its client area, whatever the height of its title bar. Nothing
// keeps the result on the screen.
QPoint PlaceOverMainWindow(QRect mainFrame, int mainClientHeight, QSize dialogFrame);
