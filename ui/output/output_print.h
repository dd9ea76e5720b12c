#pragma once

#include <QPushButton>
#include <QWidget>
#include <vector>

namespace korvanta {

class ProgramWindows;

// What an output window hides and whitens for its printout.
struct OutputPrintout {
    std::vector<QPushButton*> hiddenButtons;
    QWidget* focus = nullptr;
    std::vector<QWidget*> whitened; // besides the window itself
};

// Prints the output window as one page without its buttons, on white where the printout says, shows
// the status message, and gives the window its look back once the status is over (a window closed
// during its status is left as it is).
void PrintOutputWindow(ProgramWindows& windows, QWidget& window, const OutputPrintout& printout);

} // namespace korvanta
