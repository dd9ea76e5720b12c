#pragma once

#include "core/gear_pair_state.h"

namespace korvanta {

// A metric pair is the inch calculation with the pitch per millimetre: every formula is homogeneous in
// length, so DP = 1 / module (teeth per millimetre of pitch diameter) gives the pair in millimetres.

bool IsMetric(const GearPairState& state);

// Stores the normal pitch as the user typed it: the diametral pitch of an inch pair (which has no
// module: a module kept from metric entries would make the same pair look different), or the module
// of a metric pair together with its DP. A typed 0 (not entered) stores 0 in both. A module so small that
// its DP does not fit a Single raises ArithmeticError and leaves the state as it was.
void StoreNormalPitch(GearPairState& state, Single typed);

// The normal pitch as the user typed it: DP, or the module of a metric pair.
Single TypedNormalPitch(const GearPairState& state);

// The pitch the pair's transverse rows show: TDP, or the transverse module 1 / TDP of a metric pair
// (0 while TDP is 0, not derived yet).
Single TransversePitch(const GearPairState& state);

} // namespace korvanta
