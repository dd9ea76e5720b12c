#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "logic/calculate.h"
#include "logic/pair_file.h"
#include "logic/table_copy.h"

class QAction;
class QLineEdit;
class QPoint;
class QWidget;

namespace korvanta {

class ProgramWindows;
struct Services;

// Copy Table (Ctrl+Shift+C) and Save Table As... (Ctrl+Shift+T: Ctrl+E moves to the end of a cell on X11) of
// a window that shows a table, with window shortcuts, so that they work whichever cell has the focus.
struct TableActions {
    QAction* copy = nullptr;
    QAction* save = nullptr;
};
TableActions AddTableActions(QWidget& window);

// A cell's own menu (Copy, Select All) with the table's actions and the `more` actions below; it pops up
// without an event loop of its own as a child of the cell, so a window closed from outside while it is open
// takes the menu with it.
void ShowCellMenu(QLineEdit& cell, const QPoint& at, const TableActions& actions,
                  const std::vector<QAction*>& more = {});

// Ctrl+C in a cell copies its selection, or the whole text when nothing is selected: a click into a
// read-only cell selects nothing, and the value is what the user is after.
void CopyWholeCellWhenNothingSelected(QLineEdit& cell, Services& services);

// Puts the table on the clipboard as tab-separated text and as an HTML table.
void CopyTable(Services& services, const JobData& job, const TableCells& cells);

// The pair of the windows as its file keeps it; none when the input window is not loaded.
std::optional<PairFile> PairShown(ProgramWindows& windows);

// Asks where to save the table, then writes what `korvanta-calc --pair` prints for the pair as CSV or
// JSON (by the name's ending) whole or not at all; a failure names the file and why.
void SaveTableAs(Services& services, const PairFile& pair, bool measure);

} // namespace korvanta
