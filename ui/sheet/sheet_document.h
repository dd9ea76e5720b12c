#pragma once

#include <QPageSize>
#include <QPagedPaintDevice>
#include <QString>
#include <optional>

#include "logic/inspection_sheet.h"

namespace korvanta {

// Paints every page of the sheet on a printer or a PDF writer, each on a page of the device's layout
// taken whole (the sheet keeps its own margins); false when the device could not be painted on.
bool PaintSheet(QPagedPaintDevice& device, const InspectionSheet& sheet, const ChartScale& scale);

// Writes the sheet as a PDF file of pages of `pageSize` at `path`, whole or not at all: into a new file
// beside it, put in its place only once every page is written. The system's reason when it could not be.
std::optional<QString> WriteSheetPdf(const QString& path, const InspectionSheet& sheet,
                                     const ChartScale& scale, const QPageSize& pageSize);

// The page size of the user's country: Letter where inches are the rule, else A4.
QPageSize LocalPageSize();

} // namespace korvanta
