#pragma once

#include <QImage>
#include <QRectF>
#include <vector>

#include "support/test_services.h"
#include "ui/print/page_printer.h"

namespace korvanta::testing {

// Records the pages instead of printing them, on a Letter page in portrait (12240 x 15840) unless
// told otherwise. Installed for its lifetime.
class RecordingPrinter : public PagePrinter {
public:
    struct Drawing {
        QRectF target;
        QImage image;
    };

    std::optional<QSizeF> StartPage() override {
        ++startedPages;
        return pageSize;
    }
    void DrawImage(const QRectF& target, const QImage& image) override {
        drawings.push_back({target, image});
        pagePending = true;
    }
    bool FinishDocument() override {
        ++finishDocumentCalls;
        const bool sent = pagePending;
        if (sent) {
            ++printedPages;
        }
        pagePending = false;
        return sent;
    }

    QSizeF pageSize{12240, 15840};
    int startedPages = 0;
    int printedPages = 0;
    int finishDocumentCalls = 0;
    bool pagePending = false;
    std::vector<Drawing> drawings;

private:
    Replace<PagePrinter> installed_{TheServices().printer, this};
};

} // namespace korvanta::testing
