#include "core/angle_functions.h"

#include <cmath>

#include "core/angle_constants.h"
#include "core/arithmetic.h"

namespace korvanta {

namespace {

constexpr double kRadiansPerDegree = 0.01745329;
constexpr double kDegreesPerRadian = 57.29577951;

// The arc tangent form of the arc cosine: atan(-x / sqrt(1 - x²)) + pi / 2.
double ArcCosFromRoot(double x, double root) {
    return std::atan(Divide(-x, root)) + 2.0 * std::atan(1.0);
}

} // namespace

double Radians(double degrees) {
    return degrees * kRadiansPerDegree;
}

double Degrees(double radians) {
    return radians * kDegreesPerRadian;
}

double ArcCos(Single x) {
    if (x >= 1.0) {
        return 0.0;
    }
    const Single square = -x * x;
    const Single complement = square + 1.0;
    return ArcCosFromRoot(x, SquareRoot(complement));
}

double ArcCos(double x) {
    if (x >= 1.0) {
        return 0.0;
    }
    return ArcCosFromRoot(x, SquareRoot(-x * x + 1.0));
}

Single RollAngle(Single db, Single d) {
    const Single ratio = Divide(db, d);
    const Single pressureAngle = Degrees(ArcCos(ratio));
    return std::tan(kRollAngleConstants.DegToRad * pressureAngle) * Divide(180.0, kRollAngleConstants.Pi);
}

} // namespace korvanta
