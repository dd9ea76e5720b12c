#include "logic/design_checks.h"

#include <cmath>

#include "core/number_text.h"
#include "core/top_land.h"
#include "logic/unit_texts.h"

namespace korvanta {

namespace {

// What practice uses: beyond these a pair is more likely mistyped than designed.
constexpr double kLosesContact = 1.0;
constexpr double kLowContactRatio = 1.2;
constexpr double kLeastPressureAngle = 10.0;
constexpr double kMostPressureAngle = 35.0;
constexpr double kMostHelixAngle = 45.0;
constexpr double kMostProfileShift = 1.5;

constexpr int kContactRatioDecimals = 3;

std::string MemberName(Member member) {
    return member == Member::Gear ? "Gear" : "Pinion";
}

// A diameter, an angle or a coefficient as the output table shows it.
std::string Shown(Single value) {
    return PatternOfSingleGeneral(value, kResultDecimals);
}

std::string Length(Single value, LengthUnit unit) {
    return Shown(value) + " " + std::string(UnitSymbol(unit));
}

// A thickness as the measurements show it: five decimals in inches, four in millimetres.
std::string Thickness(double value, LengthUnit unit) {
    return PatternValue(value, unit == LengthUnit::Millimetre ? 4 : 5) + " " + std::string(UnitSymbol(unit));
}

std::string Degrees(Single value) {
    return Shown(value) + std::string(kDegreeSign);
}

void CheckContactRatio(double ratio, std::vector<std::string>& checks) {
    const std::string shown = PatternValue(ratio, kContactRatioDecimals);
    if (ratio < kLosesContact) {
        checks.push_back("The contact ratio is " + shown +
                         ", below 1: the teeth lose contact before the next pair of teeth takes over.");
    } else if (ratio < kLowContactRatio) {
        checks.push_back("The contact ratio is " + shown +
                         ", below 1.2: low, with little overlap of one pair of teeth and the next.");
    }
}

// External teeth are active from the SAP up to the outside diameter, the internal gear's from its SAP
// down to its inside diameter.
void CheckActiveProfile(const PairSolution& solution, Member member, std::vector<std::string>& checks) {
    const LengthUnit unit = solution.calculated.Unit;
    const Single sap = solution.result.SAP[member];
    const Single tip = solution.values.outsideDiameter[member];
    const bool internalGear = solution.kind == PairKind::Internal && member == Member::Gear;
    if (internalGear ? sap <= tip : sap >= tip) {
        checks.push_back(MemberName(member) + ": the SAP diameter " + Length(sap, unit) +
                         " lies at or beyond the " + (internalGear ? "inside" : "outside") + " diameter " +
                         Length(tip, unit) + ": the tooth has no active profile.");
    }
}

void CheckTopLand(const PairSolution& measured, Member member, std::vector<std::string>& checks) {
    const std::optional<double> topLand = TopLandOf(measured, member);
    if (topLand && *topLand <= 0.0) {
        checks.push_back(
            MemberName(member) + ": the top land (the tooth thickness at the " +
            (measured.kind == PairKind::Internal && member == Member::Gear ? "inside" : "outside") +
            " diameter) is " + Thickness(*topLand, measured.calculated.Unit) + ": a pointed tooth.");
    }
}

void CheckEntries(const PairSolution& solution, std::vector<std::string>& checks) {
    const PairValues& values = solution.values;
    if (values.pressureAngle < kLeastPressureAngle || values.pressureAngle > kMostPressureAngle) {
        checks.push_back("The normal pressure angle of " + Degrees(values.pressureAngle) +
                         " lies outside the 10° to 35° that practice uses.");
    }
    if (values.helixAngle > kMostHelixAngle) {
        checks.push_back("The helix angle of " + Degrees(values.helixAngle) +
                         " lies above the 45° that practice uses.");
    }
    for (Member member : kMembers) {
        const Single shift = solution.result.X[member];
        if (std::abs(shift) > kMostProfileShift) {
            checks.push_back(MemberName(member) + ": the profile shift (x) of " + Shown(shift) +
                             " lies beyond the ±1.5 that practice uses.");
        }
    }
}

} // namespace

std::vector<std::string> DesignChecksOf(const PairSolution& solution) {
    std::vector<std::string> checks;
    if (!solution.Complete()) {
        return checks;
    }
    PairSolution measured;
    const PairSolution* withMeasurements = &solution;
    if (!solution.measurements) {
        measured = solution;
        measured.measurements = Remeasure(solution, solution.choices);
        withMeasurements = &measured;
    }
    CheckContactRatio(withMeasurements->measurements->contactRatio, checks);
    for (Member member : kMembers) {
        CheckActiveProfile(solution, member, checks);
        CheckTopLand(*withMeasurements, member, checks);
    }
    CheckEntries(solution, checks);
    return checks;
}

} // namespace korvanta
