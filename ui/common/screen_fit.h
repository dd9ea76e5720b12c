#pragma once

#include <QWidget>

namespace korvanta {

// Fits a window of a fixed size to the screen it opens on. Its frame offers no maximise button: the
// window cannot grow. A window that fits with its frame stays exactly as it is; a larger one (a high
// scale factor, a small screen) shows its content in a scroll area as large as the screen's available
// area allows, keeps its middle where it was placed and is moved inside the screen.
void FitToScreen(QWidget& window);

// The widget that holds the whole of the window's content: the window itself, or the content of the
// scroll area FitToScreen put in, including the part scrolled out of sight.
QWidget& WindowContent(QWidget& window);

} // namespace korvanta
