#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <QSvgGenerator>
#include <vector>

#include "test_services.h"
#include "ui/print/document_printer.h"

namespace korvanta::testing {

// Records each printed page as the SVG of what was drawn on it (so that a test reads its lines and
// texts), on an A4 page across at 300 dots per inch. Prints while `printerAnswers`; installed for its
// lifetime.
class RecordingDocumentPrinter : public DocumentPrinter {
public:
    bool PrintPage(const QString& documentName, const PageDrawing& draw) override {
        documentNames.push_back(documentName);
        if (!printerAnswers) {
            return false;
        }
        QByteArray svg;
        QBuffer buffer(&svg);
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(page.size().toSize());
        generator.setViewBox(page);
        QPainter painter(&generator);
        draw(painter, page);
        painter.end();
        pages.push_back(svg);
        return true;
    }

    QRectF page{0, 0, 3508, 2480};
    bool printerAnswers = true;
    std::vector<QString> documentNames;
    std::vector<QByteArray> pages;

private:
    Replace<DocumentPrinter> installed_{TheServices().documentPrinter, this};
};

} // namespace korvanta::testing
