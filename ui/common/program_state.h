#pragma once

#include "core/gear_pair_state.h"

namespace korvanta {

// The process-wide gear pair that every window reads and writes.
GearPairState& ProgramState();

} // namespace korvanta
