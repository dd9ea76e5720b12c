#pragma once

#include <QAbstractButton>
#include <QWidget>

namespace korvanta {

class ProgramWindows;

// Escape presses the window's close button, as in any dialog: for the information windows, whose
// only way out the button is.
void CloseOnEscape(QWidget& window, QAbstractButton& closeButton);

// F1 opens the help window from whichever of the run's windows has the focus (not while a message box
// or another modal window waits). Lives as long as the windows of the run.
void InstallHelpKey(ProgramWindows& windows);

} // namespace korvanta
