#pragma once

#include <QImage>
#include <QRectF>
#include <vector>

#include "ui/print/page_printer.h"
#include "ui/print/print_status.h"

namespace korvanta::testing {

// Records the pages instead of printing them, on a Letter page in portrait (12240 x 15840) unless
// told otherwise; the status message after a print is skipped. Installed for its lifetime.
class RecordingPrinter : public PagePrinter {
public:
    struct Drawing {
        QRectF target;
        QImage image;
    };

    RecordingPrinter() {
        SetPrinter(this);
        SetPrintStatusSeconds(0);
    }
    ~RecordingPrinter() override {
        SetPrinter(nullptr);
        SetPrintStatusSeconds(3);
    }

    std::optional<QSizeF> StartPage() override {
        ++startedPages;
        return pageSize;
    }
    void DrawImage(const QRectF& target, const QImage& image) override {
        drawings.push_back({target, image});
        pagePending = true;
    }
    bool EndDoc() override {
        ++endDocCalls;
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
    int endDocCalls = 0;
    bool pagePending = false;
    std::vector<Drawing> drawings;
};

} // namespace korvanta::testing
