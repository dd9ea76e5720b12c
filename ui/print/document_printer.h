#pragma once

#include <QPainter>
#include <QRectF>
#include <QString>
#include <functional>

namespace korvanta {

// The printer as a vector drawing sees it: one page drawn with a QPainter on the printer itself, so
// that lines and texts stay lines and texts. Reached through the windows' Services.
class DocumentPrinter {
public:
    // Draws the page into `page`, the printable area in the painter's own units.
    using PageDrawing = std::function<void(QPainter& painter, const QRectF& page)>;

    virtual ~DocumentPrinter() = default;
    // Prints one page across the sheet under the document name; true when it was sent, false when the
    // user chose not to print or it failed (the user has been told why).
    virtual bool PrintPage(const QString& documentName, const PageDrawing& draw) = 0;
};

} // namespace korvanta
