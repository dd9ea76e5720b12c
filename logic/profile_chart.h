#pragma once

#include <optional>
#include <vector>

#include "core/iso_tolerances.h"
#include "core/pair_solution.h"
#include "logic/inspection_sheet.h"
#include "logic/profile_stations.h"
#include "logic/sheet_entries.h"

namespace korvanta {

// The profile chart of a member over its stations; with tolerances, the band of the total profile
// tolerance F_αT over the evaluation range and the "K" of the tip relief entered.
ProfileChart ProfileChartOf(const PairSolution& solution, Member member,
                            const std::vector<ProfileStation>& stations,
                            const std::optional<Tolerances>& tolerances,
                            const std::optional<TipRelief>& relief);

} // namespace korvanta
