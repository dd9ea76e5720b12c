#pragma once

#include "core/gear_pair_state.h"
#include "core/pair_result.h"
#include "core/single.h"

namespace korvanta {

// The roll angles of both members to their SAP, TIF, pitch and outside diameters, in that order, so
// that a fault stops at the first angle that meets it. The first of them puts the roll-angle
// constants in force for the rest of the run.
void FillRollAngles(GearPairState& state, PairResult& result, Single pitchDiameter1, Single pitchDiameter2);

} // namespace korvanta
