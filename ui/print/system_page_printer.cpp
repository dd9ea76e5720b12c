#include "ui/print/system_page_printer.h"

#include <QPrinterInfo>

#include "ui/common/dialogs.h"
#include "ui/print/save_file_chooser.h"

namespace korvanta {

namespace {

constexpr double kUnitsPerInch = 1440.0;

Message NoPrinterQuestion() {
    Message question;
    question.text = "No printer is available to print this window.\n"
                    "Do you want to save the page as a PDF file instead?";
    question.icon = MessageIcon::Exclamation;
    question.question = true;
    return question;
}

Message PrinterFailure() {
    Message message;
    message.text = "The page could not be printed. Please check the printer and try again.";
    message.icon = MessageIcon::Stop;
    return message;
}

} // namespace

bool DefaultPrinterAvailable() {
    return !QPrinterInfo::defaultPrinter().isNull();
}

SystemPagePrinter::SystemPagePrinter(std::function<bool()> printerAvailable)
    : printerAvailable_(std::move(printerAvailable)) {}

SystemPagePrinter::~SystemPagePrinter() {
    EndDoc();
}

bool SystemPagePrinter::ChoosePdfFile(QPrinter& printer) {
    if (!AppDialogs().Ask(NoPrinterQuestion()))
        return false;
    const QString file =
        AppSaveFileChooser().ChooseSaveFile("Save Page as PDF", "Korvanta.pdf", "PDF files (*.pdf)");
    if (file.isEmpty())
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    // A file has no unprintable margin: the page is the whole sheet.
    printer.setFullPage(true);
    return true;
}

std::optional<QSizeF> SystemPagePrinter::StartPage() {
    EndDoc();
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!printerAvailable_() && !ChoosePdfFile(*printer_)) {
        printer_.reset();
        return std::nullopt;
    }
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(printer_.get())) {
        painter_.reset();
        printer_.reset();
        AppDialogs().Show(PrinterFailure());
        return std::nullopt;
    }
    painter_->setRenderHint(QPainter::SmoothPixmapTransform);
    const double scale = printer_->resolution() / kUnitsPerInch;
    painter_->scale(scale, scale);
    const QRectF page = printer_->pageRect(QPrinter::DevicePixel);
    return QSizeF(page.width() / scale, page.height() / scale);
}

void SystemPagePrinter::DrawImage(const QRectF& target, const QImage& image) {
    if (!painter_)
        return;
    painter_->drawImage(target, image);
    drawn_ = true;
}

void SystemPagePrinter::EndDoc() {
    if (painter_) {
        // A page with nothing on it is not sent, where the printer allows taking the job back.
        if (!drawn_)
            printer_->abort();
        painter_->end();
    }
    drawn_ = false;
    painter_.reset();
    printer_.reset();
}

} // namespace korvanta
