#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/iso_tolerances.h"
#include "core/pair_solution.h"
#include "logic/inspection_sheet.h"
#include "logic/sheet_entries.h"

namespace korvanta {

// The tolerances of both members for the sheet: the values in micrometres, their rows (an inch pair's
// texts also in inches) and the notes: the edition with the class, and each member's entries outside
// the standard's range.
struct SheetTolerances {
    PerMember<Tolerances> values;
    std::vector<SheetRow> rows;
    std::vector<std::string> notes;
};

// Empty without an accuracy class or a face width.
std::optional<SheetTolerances> SheetTolerancesOf(const PairSolution& solution, const SheetEntries& entries);

} // namespace korvanta
