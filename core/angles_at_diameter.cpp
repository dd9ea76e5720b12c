#include "core/angles_at_diameter.h"

#include <cmath>

#include "core/angle_functions.h"
#include "core/arithmetic.h"
#include "core/number_text.h"

namespace korvanta {

AnglesAt AnglesAtDiameter(const GearPairState& state, Member member, Single D) {
    const Single baseDiameter = member == Member::Pinion ? state.DB1 : state.DB2;
    const Single ratio = Divide(baseDiameter, D);
    AnglesAt angles;
    angles.pressure = Degrees(ArcCos(ratio));
    // The roll angle is tan of the pressure angle, in degrees, with the angle constants in force.
    angles.roll = std::tan(state.DegToRad * angles.pressure) * Divide(180.0, state.Pi);
    return angles;
}

std::string PressureAngleSentence(std::string_view T, Single pressure) {
    return "Pressure Angle at " + std::string(T) + " is " + PatternValue(pressure, kResultDecimals) +
           std::string(kDegreeSign);
}

std::string RollAngleSentence(std::string_view T, Single roll) {
    return "Roll Angle to " + std::string(T) + " is " + PatternValue(roll, kRollAngleDecimals) +
           std::string(kDegreeSign);
}

} // namespace korvanta
