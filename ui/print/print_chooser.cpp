#include "ui/print/print_chooser.h"

#include <QApplication>
#include <QPointer>
#include <QPrintDialog>

#include "ui/common/program_window.h"

namespace korvanta {

// On the heap as a child of the window it is shown over, like the file dialog.
bool PrintDialogChooser::ChoosePrinter(QPrinter& printer) {
    QWidget* over = QApplication::activeWindow();
    const HoldOpen held(over);
    QPointer<QPrintDialog> dialog = new QPrintDialog(&printer, over);
    dialog->setOption(QAbstractPrintDialog::PrintToFile);
    const bool chosen = dialog->exec() == QDialog::Accepted && !dialog.isNull();
    delete dialog.data();
    return chosen;
}

} // namespace korvanta
