#pragma once

#include <QWidget>

namespace korvanta {

// Places a window in the middle of its screen (left and top by whole-pixel halving of the room left).
void CentreOnScreen(QWidget& window);

// Sets the point size of a widget's font, for the fractional sizes a form file cannot hold.
void SetPointSize(QWidget& widget, qreal points);

} // namespace korvanta
