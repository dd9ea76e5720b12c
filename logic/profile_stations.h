#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/line_of_action.h"
#include "core/pair_solution.h"
#include "logic/inspection_sheet.h"
#include "logic/sheet_entries.h"

namespace korvanta {

// A station of a member's profile as the sheet shows it and the chart marks it.
struct ProfileStation {
    std::string name;
    StationValue value; // the start of tip relief keeps the station of the EAP it stands for
};

// The stations of one member (StationsOf) in their order from the root up; with a tip relief entered
// its start takes the place of the EAP, on the involute at the given diameter or roll angle.
std::vector<ProfileStation> ProfileStationsOf(const PairSolution& solution, const LineOfAction& line,
                                              Member member, const std::optional<TipRelief>& relief);

// The station's texts: the diameter and the roll length in the pair's length unit, the roll angle in
// degrees to the output table's three decimals.
SheetStation SheetStationOf(const ProfileStation& station, LengthUnit unit);

// A chart's label of the station: its name, diameter and roll angle.
std::string StationLabel(const SheetStation& station);

} // namespace korvanta
