#pragma once

#include <QPageSize>
#include <QWidget>

#include "logic/inspection_sheet.h"

namespace korvanta {

// The pages of the sheet one below the other, as they will print, drawn by the same render as the
// printer and the PDF file at a scale that suits the screen.
class SheetPreview : public QWidget {
    Q_OBJECT

public:
    explicit SheetPreview(QWidget* parent = nullptr);

    void Show(const InspectionSheet& sheet, const ChartScale& scale, const QPageSize& paper);
    int PageCount() const { return pages_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSizeF PaperMillimetres() const;
    QRectF PageRect(int index) const;

    InspectionSheet sheet_;
    ChartScale scale_;
    QPageSize paper_{QPageSize::A4};
    int pages_ = 0;
};

} // namespace korvanta
