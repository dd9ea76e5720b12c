#pragma once

#include <QMargins>
#include <QRect>
#include <QWidget>

namespace korvanta {

// The part of the window's screen a window may take: the screen less the panels of the desktop.
QRect AvailableArea(const QWidget& window);

// What the window manager adds round a window's client area (title bar and borders), as far as it is
// known before the window is shown: that of a program window already shown, else an estimate.
QMargins FrameAllowance(const QWidget& window);

// Places a window in the middle of its screen's available area (left and top by whole-pixel halving
// of the room left), its frame kept inside that area.
void CentreOnScreen(QWidget& window);

// Moves the window, frame included, as far inside its screen's available area as its size allows.
void KeepOnScreen(QWidget& window);

// Places a window beside `opener` without covering it: to its right, else to its left, below or above,
// whichever has room in the screen's available area; where none has, on the side where the window,
// moved inside that area, covers the fewest of the opener's fields.
void PlaceBeside(QWidget& window, const QWidget& opener);

// Sets the point size of a widget's font, for the fractional sizes a form file cannot hold.
void SetPointSize(QWidget& widget, qreal points);

} // namespace korvanta
