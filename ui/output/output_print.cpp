#include "ui/output/output_print.h"

#include "ui/print/print_from_to_size.h"
#include "ui/print/print_status.h"
#include "ui/print/window_background.h"

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

    // The status says a page is on its way only when one is: not after the user declined or the
    // page could not be produced.
    if (PrintWindowOnPage(window)) {
        ShowPrintStatus(windows, QStringLiteral("Printing form, one moment please..."));
    }

    for (QPushButton* button : printout.hiddenButtons) {
        button->show();
    }
    Paint(window, printout, ButtonFace());
}

} // namespace korvanta
