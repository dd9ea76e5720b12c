#pragma once

#include <QPainter>
#include <QRectF>
#include <QSizeF>

#include "logic/inspection_sheet.h"

namespace korvanta {

// The inspection sheet as pages. A page is measured in millimetres of paper (the painter draws one
// millimetre as one unit of its coordinates), whatever the device: a screen, a printer or a PDF file.
// Every page has the header (the job data, the date, the program and its version, the units, the kind
// of pair and its file); the first holds the gear data block, the stations, the tolerances and the
// designer's checks, the next the profile chart of each member. What does not fit goes on to the next
// page, so that A4 and Letter both take the whole sheet.
int SheetPageCount(const QSizeF& page, const InspectionSheet& sheet);

// Draws page `pageIndex` (from 0) of the sheet into `page`; the charts at `scale`.
void RenderSheetPage(QPainter& painter, const QRectF& page, const InspectionSheet& sheet, int pageIndex,
                     const ChartScale& scale);

} // namespace korvanta
