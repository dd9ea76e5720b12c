#pragma once

#include "core/gear_pair_state.h"
#include "core/pair_result.h"

namespace korvanta {

// Every inspection value of a pinion running inside an internal gear, from the start-up angle constants
// (switching at the first roll angle, as the external pair does). Refreshes TDP, PD1, PD2, DB1,
// DB2 and TPA and stores SAP1, SAP2. Raises ArithmeticError at a faulting step (for example CD = 0);
// the steps before it may already have written the state.
PairResult CalcInternalPair(GearPairState& state);

} // namespace korvanta
