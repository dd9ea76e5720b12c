#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/length_unit.h"
#include "core/message.h"
#include "logic/measurement_form.h"
#include "logic/output_table.h"
#include "logic/pair_file.h"

namespace korvanta {

// A window's table as it is copied: the unit of its lengths, the two column headings and, per row,
// the caption with the pinion's and the gear's texts.
struct TableCells {
    LengthUnit unit = LengthUnit::Inch;
    std::array<std::string, 2> columns;
    std::vector<std::array<std::string, 3>> rows;
};

TableCells CellsOf(const OutputTable& table, LengthUnit unit);
TableCells CellsOf(const MeasurementForm& form);

// The label of each job text on a copy, in the order the copy lists them.
inline constexpr std::array<const char*, 6> kJobLabels = {"Pinion part", "Gear part", "Drawing",
                                                          "Revision",    "Inspector", "Note"};

// The lines a copy begins with: label and text of each job text that is not empty, then the units.
std::vector<std::array<std::string, 2>> HeadLines(const JobData& job, LengthUnit unit);

// The copy as tab-separated lines, one per line of the table: the job lines, "Units" with "in" or
// "mm", the column headings after an empty first cell, then every row. A spreadsheet splits a text
// at its tabs and line breaks, so within a text each of them becomes a space.
std::string TableCopyText(const JobData& job, const TableCells& cells);

// The same cells as an HTML table, every text escaped (the job data is the user's own text) and a
// line break of the note kept as one.
std::string TableCopyHtml(const JobData& job, const TableCells& cells);

// Saving the table of measurements whose pair has been entered differently since: the command would
// calculate the pair now entered, not the one shown.
Message ChangedEntriesRefusal();

} // namespace korvanta
