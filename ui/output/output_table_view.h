#pragma once

#include <QLabel>
#include <QLineEdit>
#include <array>

#include "logic/output_table.h"

namespace korvanta {

struct Services;

// The widgets of one row of an output window: caption, pinion cell and gear cell.
struct OutputRowWidgets {
    QLabel* caption = nullptr;
    QLineEdit* pinion = nullptr;
    QLineEdit* gear = nullptr;
};

// The widgets that show an OutputTable, in its row order.
struct OutputTableView {
    QLabel* pinionHeading = nullptr;
    QLabel* gearHeading = nullptr;
    std::array<OutputRowWidgets, kOutputRowCount> rows;
};

// The form font in bold for the window; labels and cells on the button-face colour; the frame and
// rules of the table let mouse clicks through.
void StyleOutputWindow(QWidget& window, const OutputTableView& view);

// Writes the table's title, headings, captions and cells into the window.
void ShowTable(QWidget& window, const OutputTableView& view, const OutputTable& table);

// The warnings that follow the values, then the fault that stopped the calculation, as message boxes.
void ReportTable(const Services& services, const OutputTable& table);

} // namespace korvanta
