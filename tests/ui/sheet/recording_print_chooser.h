#pragma once

#include <QPageSize>
#include <QPrinter>
#include <QString>

#include "support/test_services.h"
#include "ui/print/print_chooser.h"

namespace korvanta::testing {

// Answers the print dialog in place of the user: with `chosen`, the printer prints into the PDF file
// `file` (empty: cancelled). Records the paper the dialog was offered. Installed for its lifetime.
class RecordingPrintChooser : public PrintChooser {
public:
    bool ChoosePrinter(QPrinter& printer) override {
        ++calls;
        offeredPaper = printer.pageLayout().pageSize();
        if (file.isEmpty()) {
            return false;
        }
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        return true;
    }

    QString file;
    int calls = 0;
    QPageSize offeredPaper;

private:
    Replace<PrintChooser> installed_{TheServices().printChooser, this};
};

} // namespace korvanta::testing
