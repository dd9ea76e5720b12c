#pragma once

#include <string>
#include <string_view>

#include "core/gear_pair_state.h"
#include "core/pair_kind.h"
#include "core/single.h"

namespace korvanta {

struct AnglesAt {
    Single pressure; // pressure angle at the diameter, degrees
    Single roll;     // roll angle from the base circle to the diameter, degrees
};

// Pressure and roll angle at diameter D of the member, with the angle constants in force. D = 0 raises
// ArithmeticError.
AnglesAt AnglesAtDiameter(const GearPairState& state, Member member, Single D);

// "Pressure Angle at " + T + " is " + pattern "0.0000" + "°"
std::string PressureAngleSentence(std::string_view T, Single pressure);
// "Roll Angle to " + T + " is " + pattern "0.000" + "°"
std::string RollAngleSentence(std::string_view T, Single roll);

} // namespace korvanta
