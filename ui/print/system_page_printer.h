#pragma once

#include <QPainter>
#include <QPrinter>
#include <functional>
#include <memory>

#include "ui/print/page_printer.h"

namespace korvanta {

// True when the system has a default printer.
bool DefaultPrinterAvailable();

// Prints on the default printer. Without a printer it says so and offers to save the page as a PDF
// file instead, so that the user still gets the page.
class SystemPagePrinter : public PagePrinter {
public:
    explicit SystemPagePrinter(std::function<bool()> printerAvailable = DefaultPrinterAvailable);
    ~SystemPagePrinter() override;

    std::optional<QSizeF> StartPage() override;
    void DrawImage(const QRectF& target, const QImage& image) override;
    void EndDoc() override;

private:
    bool ChoosePdfFile(QPrinter& printer);

    std::function<bool()> printerAvailable_;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> painter_;
    bool drawn_ = false;
};

} // namespace korvanta
