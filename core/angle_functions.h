#pragma once

#include "core/single.h"

namespace korvanta {

// Degrees to radians with the constant 0.01745329 (not the exact pi / 180).
double Radians(double degrees);

// Radians to degrees with the constant 57.29577951.
double Degrees(double radians);

// Arc cosine in radians, 0 for x >= 1. For a Single argument the inner term -x*x + 1 is formed in
// single precision; for a double everything is double. x <= -1 raises ArithmeticError.
double ArcCos(Single x);
double ArcCos(double x);

// Roll angle in degrees from base diameter db to diameter d: tan of the pressure angle at d, in degrees,
// with the roll-angle constants. It leaves the state alone: the switch of the state to those constants
// is the caller's step (SwitchToRollAngleConstants).
Single RollAngle(Single db, Single d);

} // namespace korvanta
