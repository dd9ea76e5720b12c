#include "ui/output/output_print.h"

#include "ui/print/show_status.h"
#include "ui/print/window_background.h"
#include "ui/print/window_printing.h"
#include "ui/program_windows.h"

namespace korvanta {

namespace {

void Paint(QWidget& window, const OutputPrintout& printout, const QColor& colour) {
    SetBackground(window, colour);
    for (QWidget* widget : printout.whitened) {
        SetBackground(*widget, colour);
    }
}

} // namespace

void PrintOutputWindow(ProgramWindows& windows, QWidget& window, const OutputPrintout& printout) {
    for (QPushButton* button : printout.hiddenButtons) {
        button->hide();
    }
    printout.focus->setFocus();
    Paint(window, printout, Qt::white);

    const bool pageProduced = PrintWindowOnPage(windows.services(), window);
    QWidget* const target = &window;
    auto restore = [target, printout] {
        for (QPushButton* button : printout.hiddenButtons) {
            button->show();
        }
        Paint(*target, printout, ButtonFace());
    };
    // The status says a page is on its way only when one is: not after the user declined or the
    // page could not be produced.
    if (pageProduced) {
        ShowStatus(windows, QStringLiteral("Printing form, one moment please..."), target, restore);
    } else {
        restore();
    }
}

} // namespace korvanta
