#include "core/gear_pair_state.h"

namespace korvanta {

namespace {

void UseAngleConstants(GearPairState& state, const AngleConstants& constants) {
    state.Pi = constants.Pi;
    state.DegToRad = constants.DegToRad;
    state.RadToDeg = constants.RadToDeg;
}

} // namespace

void SetStartUpConstants(GearPairState& state) {
    UseAngleConstants(state, kStartUpAngleConstants);
}

void SwitchToRollAngleConstants(GearPairState& state) {
    UseAngleConstants(state, kRollAngleConstants);
}

} // namespace korvanta
