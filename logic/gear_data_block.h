#pragma once

#include <vector>

#include "core/line_of_action.h"
#include "core/pair_solution.h"
#include "logic/inspection_sheet.h"
#include "logic/sheet_entries.h"

namespace korvanta {

// The gear data block of a complete solution: a row per quantity, the pinion's and the gear's texts
// (the pair's own values, as the center distance, in both), each with its unit.
std::vector<SheetRow> GearDataBlockOf(const PairSolution& solution, const SheetEntries& entries,
                                      const LineOfAction& line);

} // namespace korvanta
