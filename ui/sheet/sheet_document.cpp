#include "ui/sheet/sheet_document.h"

#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include "core/length_unit.h"
#include "core/version.h"
#include "ui/sheet/sheet_pages.h"

namespace korvanta {

namespace {

// The resolution of a sheet saved as PDF, that of a printer at high resolution.
constexpr int kPdfDotsPerInch = 1200;

} // namespace

bool PaintSheet(QPagedPaintDevice& device, const InspectionSheet& sheet, const ChartScale& scale) {
    QPageLayout layout = device.pageLayout();
    layout.setMode(QPageLayout::FullPageMode);
    device.setPageLayout(layout);
    const QRectF page = layout.fullRect(QPageLayout::Millimeter);
    const QRectF paper(QPointF(0.0, 0.0), page.size());
    const int pages = SheetPageCount(paper.size(), sheet);

    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    const double dotsPerMillimetre = device.logicalDpiX() / kMillimetresPerInch;
    painter.scale(dotsPerMillimetre, dotsPerMillimetre);
    for (int index = 0; index < pages; ++index) {
        if (index > 0 && !device.newPage()) {
            painter.end();
            return false;
        }
        RenderSheetPage(painter, paper, sheet, index, scale);
    }
    return painter.end();
}

std::optional<QString> WriteSheetPdf(const QString& path, const InspectionSheet& sheet,
                                     const ChartScale& scale, const QPageSize& pageSize) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    bool painted = false;
    {
        QPdfWriter writer(&file);
        writer.setResolution(kPdfDotsPerInch);
        writer.setCreator(QStringLiteral("Korvanta %1").arg(QString::fromUtf8(kVersion)));
        writer.setTitle(QStringLiteral("Inspection Sheet"));
        writer.setPageLayout(QPageLayout(pageSize, QPageLayout::Portrait, QMarginsF()));
        painted = PaintSheet(writer, sheet, scale);
    }
    // Flushed before the commit: the commit alone would not notice the failure of a write made while it
    // flushes (a full disk), and would put a cut file in place.
    if (!painted || !file.flush() || !file.commit()) {
        const QString reason = painted ? file.errorString() : QStringLiteral("the pages could not be drawn");
        file.cancelWriting();
        return reason;
    }
    return std::nullopt;
}

QPageSize LocalPageSize() {
    return QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                : QPageSize::A4);
}

} // namespace korvanta
