#pragma once

#include "ui/print/document_printer.h"

namespace korvanta {

class Dialogs;

// Asks with the system's print dialog over the active window (held open until it is answered) where
// and how to print, then prints at the printer's full resolution.
class SystemDocumentPrinter : public DocumentPrinter {
public:
    explicit SystemDocumentPrinter(Dialogs& dialogs) : dialogs_(dialogs) {}

    bool PrintPage(const QString& documentName, const PageDrawing& draw) override;

private:
    Dialogs& dialogs_;
};

} // namespace korvanta
