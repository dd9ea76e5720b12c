#pragma once

#include "core/gear_pair_state.h"

namespace korvanta {

// The values Calculate derives from the entered fields: the transverse diametral pitch, the pitch
// diameters, the transverse pressure angle and the base diameters, with the start-up angle constants.
// A zero transverse pitch or a value beyond its width raises ArithmeticError.
// The transverse pressure angle Calculate derives, atan(tan PA / cos HA) in degrees.
Single TransversePressureAngle(const GearPairState& state);

void DeriveTransverseValues(GearPairState& state);

} // namespace korvanta
