#include "logic/profile_stations.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/number_text.h"
#include "logic/sheet_texts.h"

namespace korvanta {

namespace {

using std::numbers::pi;

// The point of the involute where the relief starts: a roll angle θ (radians) lies on the diameter
// d_b √(1 + θ²), a diameter d has the roll length ½√(d² − d_b²) and the roll angle 2 L / d_b.
StationValue ReliefStart(const TipRelief& relief, double baseDiameter) {
    StationValue start{Station::EAP};
    if (relief.startGiven == TipRelief::StartGiven::RollAngle) {
        const double roll = relief.start * pi / 180.0;
        start.rollAngle = relief.start;
        start.rollLength = 0.5 * baseDiameter * roll;
        start.diameter = baseDiameter * std::hypot(1.0, roll);
    } else {
        const double square = relief.start * relief.start - baseDiameter * baseDiameter;
        start.diameter = relief.start;
        start.rollLength = square > 0.0 ? 0.5 * std::sqrt(square) : 0.0;
        start.rollAngle = 2.0 * start.rollLength / baseDiameter * 180.0 / pi;
    }
    return start;
}

// The single tooth contact zone runs from B to D on the pinion and from D to B on the gear.
std::string StationName(Station station, Member member, PairKind kind) {
    const bool pinion = member == Member::Pinion;
    switch (station) {
    case Station::TIF:
        return "TIF";
    case Station::SAP:
        return "SAP";
    case Station::LowestSingleContact:
        return pinion ? "LPSTC (B)" : "LPSTC (D)";
    case Station::OperatingPitchPoint:
        return "Pitch point (P)";
    case Station::HighestSingleContact:
        return pinion ? "HPSTC (D)" : "HPSTC (B)";
    case Station::EAP:
        return "EAP";
    case Station::OutsideDiameter:
        return kind == PairKind::Internal && !pinion ? "ID" : "OD";
    }
    return "";
}

} // namespace

std::vector<ProfileStation> ProfileStationsOf(const PairSolution& solution, const LineOfAction& line,
                                              Member member, const std::optional<TipRelief>& relief) {
    std::vector<ProfileStation> stations;
    for (const StationValue& value : StationsOf(solution, line, member)) {
        if (value.station == Station::EAP && relief) {
            stations.push_back(
                {"Start of tip relief", ReliefStart(*relief, solution.values.baseDiameter[member])});
        } else {
            stations.push_back({StationName(value.station, member, solution.kind), value});
        }
    }
    // The single tooth contact zone need not hold the pitch point (a contact ratio near 2 makes it short)
    // and a relief may start below it: the stations between the SAP and the outside diameter are put
    // in their order along the profile, the internal gear's roll angle falling from its root to its
    // inside diameter. The TIF, the SAP and the outside diameter keep their places: the EAP lies on
    // the outside diameter, its roll angle found in double precision a hair from the table's.
    const bool inward = solution.kind == PairKind::Internal && member == Member::Gear;
    std::stable_sort(
        stations.begin() + 2, stations.end() - 1, [inward](const ProfileStation& a, const ProfileStation& b) {
            return inward ? a.value.rollAngle > b.value.rollAngle : a.value.rollAngle < b.value.rollAngle;
        });
    return stations;
}

SheetStation SheetStationOf(const ProfileStation& station, LengthUnit unit) {
    return {station.name, SheetLength(station.value.diameter, unit),
            SheetDegrees(station.value.rollAngle, kRollAngleDecimals),
            SheetLength(station.value.rollLength, unit)};
}

std::string StationLabel(const SheetStation& station) {
    return station.name + ": " + station.diameter + ", " + station.rollAngle;
}

} // namespace korvanta
