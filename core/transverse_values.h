#pragma once

#include "core/gear_pair_state.h"

namespace korvanta {

// The values Calculate derives from the entered fields: the transverse diametral pitch, the pitch
// diameters, the transverse pressure angle and the base diameters, with the angle constants in force.
// A zero transverse pitch or a value beyond its width raises ArithmeticError.
void DeriveTransverseValues(GearPairState& state);

} // namespace korvanta
