#include "core/involute.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/newton.h"

namespace korvanta {

double Involute(double angle) {
    return std::tan(angle) - angle;
}

double InvoluteAngle(double involute) {
    if (involute <= 0.0) {
        return 0.0;
    }
    // inv φ = φ³/3 + 2φ⁵/15 + ... puts φ below ∛(3 inv φ), and tan φ = inv φ + φ < inv φ + π/2 puts it
    // below atan(inv φ + π/2); the involute is increasing and convex, so Newton comes down from there.
    const double start = std::min(std::cbrt(3.0 * involute), std::atan(involute + std::numbers::pi / 2.0));
    return RootFromAbove([involute](double angle) { return Involute(angle) - involute; },
                         [](double angle) { return std::tan(angle) * std::tan(angle); }, start);
}

} // namespace korvanta
