#include "ui/sheet/sheet_preview.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "ui/sheet/sheet_pages.h"

namespace korvanta {

namespace {

// Pixels of the screen a millimetre of paper takes in the preview, and the room round the pages.
constexpr double kPixelsPerMillimetre = 3.0;
constexpr int kGap = 12;

} // namespace

SheetPreview::SheetPreview(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("SheetPreview"));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(128, 128, 128));
    setPalette(palette);
}

void SheetPreview::Show(const InspectionSheet& sheet, const ChartScale& scale, const QPageSize& paper) {
    sheet_ = sheet;
    scale_ = scale;
    paper_ = paper;
    pages_ = SheetPageCount(PaperMillimetres(), sheet_);
    resize(sizeHint());
    updateGeometry();
    update();
}

QSizeF SheetPreview::PaperMillimetres() const {
    return paper_.size(QPageSize::Millimeter);
}

QRectF SheetPreview::PageRect(int index) const {
    const QSizeF size = PaperMillimetres() * kPixelsPerMillimetre;
    return {QPointF(kGap, kGap + index * (size.height() + kGap)), size};
}

QSize SheetPreview::sizeHint() const {
    const QSizeF page = PaperMillimetres() * kPixelsPerMillimetre;
    return QSizeF(page.width() + 2 * kGap, kGap + std::max(pages_, 1) * (page.height() + kGap)).toSize();
}

void SheetPreview::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int index = 0; index < pages_; ++index) {
        const QRectF page = PageRect(index);
        if (!page.intersects(event->rect())) {
            continue;
        }
        painter.fillRect(page.translated(3.0, 3.0), QColor(70, 70, 70));
        painter.fillRect(page, Qt::white);
        painter.save();
        painter.translate(page.topLeft());
        painter.scale(kPixelsPerMillimetre, kPixelsPerMillimetre);
        RenderSheetPage(painter, QRectF(QPointF(0.0, 0.0), PaperMillimetres()), sheet_, index, scale_);
        painter.restore();
    }
}

} // namespace korvanta
