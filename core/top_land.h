#pragma once

#include <optional>

#include "core/member.h"
#include "core/pair_solution.h"

namespace korvanta {

// The normal tooth thickness of a member at its outside diameter (the internal gear's at its inside
// diameter), in the pair's length unit, from its tooth thickness at the pitch diameter; zero or less is
// a pointed tooth. Empty for a solution without measurements or where the involute does not reach the
// outside diameter.
std::optional<double> TopLandOf(const PairSolution& solution, Member member);

} // namespace korvanta
