#pragma once

#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <optional>

namespace korvanta {

// The printer as the window printing sees it: one page at a time, lengths in 1/1440 inch. Reached
// through the windows' Services: the program prints on the default printer (SystemPagePrinter).
class PagePrinter {
public:
    virtual ~PagePrinter() = default;
    // Starts a page and returns its size, or nothing when no page can be printed (the user has been
    // told why, or chose not to print).
    virtual std::optional<QSizeF> StartPage() = 0;
    virtual void DrawImage(const QRectF& target, const QImage& image) = 0;
    // Finishes the document and sends the page drawn on; with nothing drawn it sends no page. True when
    // a page was sent (a failure has been reported to the user).
    virtual bool FinishDocument() = 0;
};

} // namespace korvanta
