#include "logic/profile_chart.h"

#include <algorithm>

#include "logic/sheet_texts.h"

namespace korvanta {

namespace {

// Micrometres in one ten-thousandth of an inch.
constexpr double kMicrometresPerTenThousandth = 2.54;
// Without a band the deviation axis still has a scale: ±10 of its unit.
constexpr double kBandlessHalfRange = 10.0;
// The band takes three fifths of the chart across: a fifth of room on each side.
constexpr double kMarginShare = 1.0 / 3.0;

double RollAngleOf(const std::vector<ProfileStation>& stations, Station station) {
    const auto found =
        std::ranges::find(stations, station, [](const ProfileStation& s) { return s.value.station; });
    return found->value.rollAngle;
}

// The band along the profile from the SAP towards the tip: F_αT wide about the design involute up to
// the EAP or the start of tip relief, and from there straight to the least relief (the upper line)
// and the most (the lower) below it at the outside diameter.
void AddBand(ProfileChart& chart, const std::vector<ProfileStation>& stations, double totalProfile,
             const std::optional<TipRelief>& relief) {
    const double half = totalProfile / 2.0;
    const double from = RollAngleOf(stations, Station::SAP);
    const double to = RollAngleOf(stations, Station::EAP);
    chart.upperLimit = {{from, half}, {to, half}};
    chart.lowerLimit = {{from, -half}, {to, -half}};
    double lowest = -half;
    if (relief) {
        const double tip = RollAngleOf(stations, Station::OutsideDiameter);
        chart.upperLimit.push_back({tip, -relief->least});
        chart.lowerLimit.push_back({tip, -relief->most});
        lowest = std::min(lowest, -relief->most);
    }
    const double margin = (half - lowest) * kMarginShare;
    chart.deviationFrom = lowest - margin;
    chart.deviationTo = half + margin;
}

} // namespace

ProfileChart ProfileChartOf(const PairSolution& solution, Member member,
                            const std::vector<ProfileStation>& stations,
                            const std::optional<Tolerances>& tolerances,
                            const std::optional<TipRelief>& relief) {
    const LengthUnit unit = solution.calculated.Unit;
    ProfileChart chart;
    chart.member = member;
    chart.title = "Profile: " + SheetMemberName(solution.kind, member);
    chart.deviationUnit = std::string(DeviationUnitOf(unit));
    // The internal gear's roll angle grows from its inside diameter (its tip) to its root.
    chart.tipAtRollFrom = solution.kind == PairKind::Internal && member == Member::Gear;
    const auto [lowest, highest] = std::ranges::minmax(
        stations, {}, [](const ProfileStation& station) { return station.value.rollAngle; });
    chart.rollFrom = lowest.value.rollAngle;
    chart.rollTo = highest.value.rollAngle;
    for (const ProfileStation& station : stations) {
        chart.stations.push_back({StationLabel(SheetStationOf(station, unit)), station.value.rollAngle});
    }
    chart.deviationFrom = -kBandlessHalfRange;
    chart.deviationTo = kBandlessHalfRange;
    if (tolerances) {
        const double toChartUnit = unit == LengthUnit::Millimetre ? 1.0 : 1.0 / kMicrometresPerTenThousandth;
        AddBand(chart, stations, tolerances->totalProfile * toChartUnit, relief);
    }
    return chart;
}

} // namespace korvanta
