#include "ui/print/system_page_printer.h"

#include <QLocale>
#include <QPrinterInfo>

#include "ui/common/dialogs.h"
#include "ui/print/save_file_chooser.h"

namespace korvanta {

namespace {

constexpr double kUnitsPerInch = 1440.0;
// The resolution of a page saved as PDF, that of a printer at high resolution.
constexpr int kPdfDotsPerInch = 1200;

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

Message PdfFailure(const QString& file, const QString& reason) {
    Message message;
    message.text = "The page could not be saved as a PDF file.\nFile: " + file.toStdString() +
                   "\nReason: " + reason.toStdString();
    message.icon = MessageIcon::Stop;
    return message;
}

// The sheet a printer of the user's country would take, all of it: a file has no unprintable margin.
QPageLayout WholeSheet() {
    const bool letter = QLocale().measurementSystem() == QLocale::ImperialUSSystem;
    QPageLayout layout(QPageSize(letter ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF());
    layout.setMode(QPageLayout::FullPageMode);
    return layout;
}

} // namespace

bool DefaultPrinterAvailable() {
    return !QPrinterInfo::defaultPrinter().isNull();
}

SystemPagePrinter::SystemPagePrinter(Dialogs& dialogs, SaveFileChooser& fileChooser,
                                     std::function<bool()> printerAvailable)
    : dialogs_(dialogs), fileChooser_(fileChooser), printerAvailable_(std::move(printerAvailable)) {}

SystemPagePrinter::~SystemPagePrinter() {
    FinishDocument();
}

// Asks for the file and opens it for writing; nothing when the user declined or it cannot be opened.
QPagedPaintDevice* SystemPagePrinter::StartPdf() {
    if (!dialogs_.Ask(NoPrinterQuestion())) {
        return nullptr;
    }
    const QString file = fileChooser_.ChooseSaveFile("Save Page as PDF", "Korvanta.pdf", "PDF files (*.pdf)");
    if (file.isEmpty()) {
        return nullptr;
    }
    // Written beside the chosen name and put in its place only when complete.
    pdfFile_ = std::make_unique<QSaveFile>(file);
    if (!pdfFile_->open(QIODevice::WriteOnly)) {
        ReportPdfFailure();
        pdfFile_.reset();
        return nullptr;
    }
    pdfWriter_ = std::make_unique<QPdfWriter>(pdfFile_.get());
    pdfWriter_->setResolution(kPdfDotsPerInch);
    pdfWriter_->setPageLayout(WholeSheet());
    return pdfWriter_.get();
}

std::optional<QSizeF> SystemPagePrinter::StartPage() {
    FinishDocument();
    QPagedPaintDevice* device = nullptr;
    if (printerAvailable_()) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        device = printer_.get();
    } else {
        device = StartPdf();
        if (device == nullptr) {
            return std::nullopt;
        }
    }
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(device)) {
        painter_.reset();
        if (pdfFile_) {
            ReportPdfFailure();
            pdfWriter_.reset();
            pdfFile_.reset();
        } else {
            dialogs_.Show(PrinterFailure());
            printer_.reset();
        }
        return std::nullopt;
    }
    painter_->setRenderHint(QPainter::SmoothPixmapTransform);
    const double scale = device->logicalDpiX() / kUnitsPerInch;
    painter_->scale(scale, scale);
    return QSizeF(device->width() / scale, device->height() / scale);
}

void SystemPagePrinter::DrawImage(const QRectF& target, const QImage& image) {
    if (!painter_) {
        return;
    }
    painter_->drawImage(target, image);
    drawn_ = true;
}

bool SystemPagePrinter::FinishDocument() {
    bool sent = false;
    if (painter_) {
        // A page with nothing on it is not sent, where the printer allows taking the job back.
        if (!drawn_ && printer_) {
            printer_->abort();
        }
        painter_->end();
        sent = drawn_;
    }
    if (pdfFile_) {
        sent = FinishPdf(sent);
    }
    drawn_ = false;
    painter_.reset();
    printer_.reset();
    return sent;
}

// Puts the written file in place of the chosen name; an empty page or a failed write leaves no file.
bool SystemPagePrinter::FinishPdf(bool drawn) {
    pdfWriter_.reset();
    bool saved = false;
    if (drawn) {
        // Flushed before the commit: the commit alone would not notice the failure of a write made
        // while it flushes (a full disk), and would put an empty or cut file in place.
        saved = pdfFile_->flush() && pdfFile_->commit();
        if (!saved) {
            ReportPdfFailure();
        }
    }
    if (!saved) {
        pdfFile_->cancelWriting();
    }
    pdfFile_.reset();
    return saved;
}

void SystemPagePrinter::ReportPdfFailure() {
    dialogs_.Show(PdfFailure(pdfFile_->fileName(), pdfFile_->errorString()));
}

} // namespace korvanta
