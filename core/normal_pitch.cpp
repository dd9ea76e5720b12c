#include "core/normal_pitch.h"

#include "core/arithmetic.h"

namespace korvanta {

bool IsMetric(const GearPairState& state) {
    return state.Unit == LengthUnit::Millimetre;
}

void StoreNormalPitch(GearPairState& state, Single typed) {
    if (!IsMetric(state)) {
        state.DP = typed;
        state.Module = 0;
        return;
    }
    const Single DP = typed == 0 ? Single() : Single(Divide(1, typed));
    state.Module = typed;
    state.DP = DP;
}

Single TypedNormalPitch(const GearPairState& state) {
    return IsMetric(state) ? state.Module : state.DP;
}

Single TransversePitch(const GearPairState& state) {
    if (!IsMetric(state) || state.TDP == 0) {
        return state.TDP;
    }
    return Divide(1, state.TDP);
}

} // namespace korvanta
