#pragma once

#include <QColor>
#include <QWidget>

namespace korvanta {

// The system colour of button faces, the normal background of the program's windows and display boxes.
QColor ButtonFace();

// Paints the background of a window, a label or a text box (its text area) in the colour.
void SetBackground(QWidget& widget, const QColor& colour);

} // namespace korvanta
