#pragma once

namespace korvanta {

// The involute function inv φ = tan φ − φ, the angle in radians, in full double precision.
double Involute(double angle);

// The angle (radians, between 0 and π/2) whose involute is the given positive value, found by Newton's
// method. A value of 0 or less has no such angle; the result is then 0.
double InvoluteAngle(double involute);

} // namespace korvanta
