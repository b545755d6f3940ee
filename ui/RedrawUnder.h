#pragma once

#include <QRect>

class QWidget;

// Draws a window again where a dialog that has just closed lay over it, before the caller goes on
// with anything that holds up the event loop, such as a deal's pauses and slides.
//
// A plain repaint is enough where the window system keeps each window's picture. X11 does not: the
// area comes back to the window only once the window manager has taken the dialog's frame away,
// and whatever lay on the screen stays there until the window handles that exposure. So on X11 the
// window waits for it, handling nothing but window system events, for a short bounded time.
void RedrawUnder(QWidget& window, const QRect& closedFrame);
