#pragma once

#include "core/gear_pair_state.h"
#include "core/pair_solution.h"
#include "logic/output_table.h"

namespace korvanta {

// What an activation of the output window does with the shared state: the pair solved once, the
// values it leaves for the diagram kept in the state, the table filled from the solution.
inline PairSolution ActivateTable(GearPairState& state, OutputTable& table) {
    PairSolution solution = SolvePair(state);
    KeepCalculatedValues(state, solution);
    FillTable(solution, table);
    return solution;
}

} // namespace korvanta
