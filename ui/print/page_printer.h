#pragma once

#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <optional>

namespace korvanta {

// The printer as the window printing sees it: one page at a time, lengths in 1/1440 inch. The program
// prints on the default printer; tests install a recorder.
class PagePrinter {
public:
    virtual ~PagePrinter() = default;
    // Starts a page and returns its size, or nothing when no page can be printed (the user has been
    // told why, or chose not to print).
    virtual std::optional<QSizeF> StartPage() = 0;
    virtual void DrawImage(const QRectF& target, const QImage& image) = 0;
    // Ends the document and sends the page drawn on; with nothing drawn it sends no page. True when a
    // page was sent (a failure has been reported to the user).
    virtual bool EndDoc() = 0;
};

PagePrinter& AppPrinter();
// Replaces the printer until called again; nullptr brings back the system printer.
void SetPrinter(PagePrinter* printer);

} // namespace korvanta
