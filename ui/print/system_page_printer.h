#pragma once

#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <functional>
#include <memory>

#include "ui/print/page_printer.h"

namespace korvanta {

class Dialogs;
class SaveFileChooser;

// True when the system has a default printer.
bool DefaultPrinterAvailable();

// Prints on the default printer. Without a printer it says so and offers to save the page as a PDF
// file instead, so that the user still gets the page. The PDF is written whole or not at all: a file
// that cannot be written (no such folder, no permission, a full disk) is reported with its name and
// the reason, and no partly written file is left behind.
class SystemPagePrinter : public PagePrinter {
public:
    SystemPagePrinter(Dialogs& dialogs, SaveFileChooser& fileChooser,
                      std::function<bool()> printerAvailable = DefaultPrinterAvailable);
    ~SystemPagePrinter() override;

    std::optional<QSizeF> StartPage() override;
    void DrawImage(const QRectF& target, const QImage& image) override;
    bool FinishDocument() override;

private:
    QPagedPaintDevice* StartPdf();
    bool FinishPdf(bool drawn);
    void ReportPdfFailure();

    Dialogs& dialogs_;
    SaveFileChooser& fileChooser_;
    std::function<bool()> printerAvailable_;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QSaveFile> pdfFile_;
    std::unique_ptr<QPdfWriter> pdfWriter_;
    std::unique_ptr<QPainter> painter_;
    bool drawn_ = false;
};

} // namespace korvanta
