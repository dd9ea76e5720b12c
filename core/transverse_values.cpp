#include "core/transverse_values.h"

#include <cmath>

#include "core/arithmetic.h"
#include "core/my_functions.h"

namespace korvanta {

void DeriveTransverseValues(GearPairState& state) {
    state.TDP = state.DP * std::cos(static_cast<double>(state.DegToRad) * state.HA);
    state.PD1 = Divide(state.NT1, state.TDP);
    state.PD2 = Divide(state.NT2, state.TDP);
    state.TPA = Degrees(std::atan(Divide(std::tan(Radians(state.PA)), std::cos(Radians(state.HA)))));
    state.DB1 = CheckedDouble(state.PD1 * std::cos(static_cast<double>(state.TPA) * state.DegToRad));
    state.DB2 = CheckedDouble(state.PD2 * std::cos(static_cast<double>(state.TPA) * state.DegToRad));
}

} // namespace korvanta
