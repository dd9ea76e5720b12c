#include "ui/print/system_document_printer.h"

#include <QApplication>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>

#include "ui/common/dialogs.h"
#include "ui/common/program_window.h"

namespace korvanta {

bool SystemDocumentPrinter::PrintPage(const QString& documentName, const PageDrawing& draw) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(documentName);
    printer.setPageOrientation(QPageLayout::Landscape);
    {
        QWidget* over = QApplication::activeWindow();
        const HoldOpen held(over);
        QPointer<QPrintDialog> dialog = new QPrintDialog(&printer, over);
        const bool accepted = dialog->exec() == QDialog::Accepted && !dialog.isNull();
        delete dialog.data();
        if (!accepted) {
            return false;
        }
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        dialogs_.Show({"The page could not be printed. Please check the printer and try again.",
                       std::string(kMessageTitle), MessageIcon::Stop});
        return false;
    }
    // The painter's origin is the printable area's corner.
    draw(painter, QRectF(0, 0, printer.width(), printer.height()));
    return painter.end();
}

} // namespace korvanta
