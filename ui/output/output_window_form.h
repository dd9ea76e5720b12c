#pragma once

#include "ui/output/output_table_view.h"

class QWidget;

namespace korvanta {

struct OutputWindowDescription;

// Builds the controls of one kind's output window on the window from the kind's description, each
// under its object name, with the captions, headings and title of the kind's fresh table. Returns the
// widgets of the table.
OutputTableView BuildOutputWindowForm(QWidget& window, const OutputWindowDescription& description);

} // namespace korvanta
