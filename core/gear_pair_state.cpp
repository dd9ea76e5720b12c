#include "core/gear_pair_state.h"

#include <tuple>

namespace korvanta {

namespace {

void UseAngleConstants(GearPairState& state, const AngleConstants& constants) {
    state.Pi = constants.Pi;
    state.DegToRad = constants.DegToRad;
    state.RadToDeg = constants.RadToDeg;
}

} // namespace

bool SameEntries(const GearPairState& a, const GearPairState& b) {
    const auto entries = [](const GearPairState& s) {
        return std::tuple(s.GearType, s.Unit, s.Module.Value(), s.NT1.Value(), s.NT2.Value(), s.DP.Value(),
                          s.PA.Value(), s.HA.Value(), s.OD1.Value(), s.OD2.Value(), s.CD.Value());
    };
    return entries(a) == entries(b);
}

void SetStartUpConstants(GearPairState& state) {
    UseAngleConstants(state, kStartUpAngleConstants);
}

void SwitchToRollAngleConstants(GearPairState& state) {
    UseAngleConstants(state, kRollAngleConstants);
}

} // namespace korvanta
