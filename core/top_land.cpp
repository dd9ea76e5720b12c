#include "core/top_land.h"

#include <cmath>
#include <numbers>

#include "core/involute.h"

namespace korvanta {

namespace {

using std::numbers::pi;

double ExactRadians(double degrees) {
    return degrees * pi / 180.0;
}

} // namespace

// In the transverse plane the tooth's half angle at radius r is s_t/(2r) + inv φ_t − inv φ_r for an
// external tooth; on the internal gear the flanks are those of the space of an external gear, so its
// tooth's half angle runs the other way: s_t/(2r) − inv φ_t + inv φ_r. The normal thickness at the
// tip follows with the helix angle there, tan ψ_a = tan ψ · d_a / d. All in double precision with the
// exact π, as the measurements are.
std::optional<double> TopLandOf(const PairSolution& solution, Member member) {
    if (!solution.Complete() || !solution.measurements) {
        return std::nullopt;
    }
    const GearPairState& pair = solution.calculated;
    const double helix = ExactRadians(pair.HA);
    const double transversePressureAngle = std::atan(std::tan(ExactRadians(pair.PA)) / std::cos(helix));
    const double teeth = solution.values.teeth[member];
    const double pitchDiameter = teeth / (pair.DP * std::cos(helix));
    const double baseDiameter = pitchDiameter * std::cos(transversePressureAngle);
    const double tipDiameter = solution.values.outsideDiameter[member];
    if (tipDiameter < baseDiameter) {
        return std::nullopt;
    }
    const bool internalGear = solution.kind == PairKind::Internal && member == Member::Gear;
    const double given = solution.measurements->members[member].toothThickness / std::cos(helix);
    // The internal gear's space width at the pitch diameter leaves the rest of the circular pitch
    // to its tooth.
    const double transverseThickness = internalGear ? pi * pitchDiameter / teeth - given : given;
    const double rolled = Involute(transversePressureAngle) - Involute(std::acos(baseDiameter / tipDiameter));
    const double halfAngle = transverseThickness / pitchDiameter + (internalGear ? -rolled : rolled);
    const double tipHelix = std::atan(std::tan(helix) * tipDiameter / pitchDiameter);
    return tipDiameter * halfAngle * std::cos(tipHelix);
}

} // namespace korvanta
