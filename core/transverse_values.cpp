#include "core/transverse_values.h"

#include <cmath>

#include "core/angle_constants.h"
#include "core/angle_functions.h"
#include "core/arithmetic.h"

namespace korvanta {

Single TransversePressureAngle(const GearPairState& state) {
    return Degrees(std::atan(Divide(std::tan(Radians(state.PA)), std::cos(Radians(state.HA)))));
}

void DeriveTransverseValues(GearPairState& state) {
    state.TDP = state.DP * std::cos(static_cast<double>(kStartUpAngleConstants.DegToRad) * state.HA);
    state.PD1 = Divide(state.NT1, state.TDP);
    state.PD2 = Divide(state.NT2, state.TDP);
    state.TPA = TransversePressureAngle(state);
    state.DB1 =
        CheckedDouble(state.PD1 * std::cos(static_cast<double>(state.TPA) * kStartUpAngleConstants.DegToRad));
    state.DB2 =
        CheckedDouble(state.PD2 * std::cos(static_cast<double>(state.TPA) * kStartUpAngleConstants.DegToRad));
}

} // namespace korvanta
