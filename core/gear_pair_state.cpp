#include "core/gear_pair_state.h"

namespace korvanta {

void SetStartUpConstants(GearPairState& state) {
    state.Pi = 3.14159265;
    state.DegToRad = state.Pi / 180.0;
    state.RadToDeg = 180.0 / state.Pi;
}

} // namespace korvanta
