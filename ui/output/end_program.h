#pragma once

#include <QWidget>

namespace korvanta {

// "Exit Program" of an output window: unloads that window and the input window, then ends the program.
void EndProgram(QWidget& outputWindow);

} // namespace korvanta
