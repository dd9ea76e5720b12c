#pragma once

#include <string>
#include <vector>

#include "core/pair_solution.h"

namespace korvanta {

// The checks a designer makes of a complete, measured pair, each a sentence that names the member and
// the numbers: a contact ratio below 1 (the teeth lose contact) or below 1.2 (low), a SAP at or beyond
// its own member's outside diameter (no active profile), a top land of zero or less (a pointed tooth),
// and entries outside what practice uses. None blocks anything; an empty list: nothing to say.
std::vector<std::string> DesignChecksOf(const PairSolution& solution);

} // namespace korvanta
