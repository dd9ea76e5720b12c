#pragma once

#include <string>
#include <string_view>

#include "logic/inspection_sheet.h"

namespace korvanta {

// Said on every page of a sheet whose pair has been entered differently since it was calculated.
inline constexpr std::string_view kSheetEntriesChangedNotice =
    "The entries have changed since this pair was calculated: press Calculate to make the sheet of the "
    "pair now entered.";

// The header of a pair's sheet: its job data, the day, this program, the pair's units and kind, and
// its file's name (empty for a pair never saved).
SheetHeader SheetHeaderOf(const JobData& job, LengthUnit unit, PairKind kind, std::string date,
                          std::string fileName);

// The sheet of a complete solution measured with `choices` (those the pair cannot take give way to the
// default); `stale` when the entries have changed since.
InspectionSheet SheetOfPair(PairSolution solution, const PerMember<MeasurementChoice>& choices,
                            const SheetEntries& entries, const SheetHeader& header, bool stale);

} // namespace korvanta
