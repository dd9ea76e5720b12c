#include "core/line_of_action.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace korvanta {

namespace {

using std::numbers::pi;

double RollLength(double diameter, double baseDiameter) {
    const double square = diameter * diameter - baseDiameter * baseDiameter;
    return square > 0.0 ? 0.5 * std::sqrt(square) : 0.0;
}

double Degrees(double radians) {
    return radians * 180.0 / pi;
}

struct Geometry {
    bool internal = false;
    PerMember<double> baseRadius;
    double t1t2 = 0.0;
};

// The point at `fromT1` on both members: the gear's roll length is T1T2 − T1X for an external pair,
// T1T2 + T1X for an internal one, whose base tangent points lie on the same side.
ContactPoint PointAt(const Geometry& g, double fromT1) {
    ContactPoint point;
    point.fromT1 = fromT1;
    point.rollLength.pinion = fromT1;
    point.rollLength.gear = g.internal ? g.t1t2 + fromT1 : g.t1t2 - fromT1;
    for (Member member : kMembers) {
        const double radius = g.baseRadius[member];
        const double roll = point.rollLength[member];
        point.diameter[member] = 2.0 * std::hypot(radius, roll);
        point.rollAngle[member] = Degrees(roll / radius);
    }
    return point;
}

} // namespace

LineOfAction LineOfActionOf(const PairSolution& solution) {
    const PairValues& values = solution.values;
    Geometry g;
    g.internal = solution.kind == PairKind::Internal;
    g.baseRadius = {values.baseDiameter.pinion / 2.0, values.baseDiameter.gear / 2.0};
    // cos φ′ = (r_b2 ± r_b1) / C: the sum for an external pair, the difference for an internal one.
    const double baseSpan =
        g.internal ? g.baseRadius.gear - g.baseRadius.pinion : g.baseRadius.gear + g.baseRadius.pinion;
    const double operating = std::acos(std::min(1.0, baseSpan / values.centerDistance));
    g.t1t2 = values.centerDistance * std::sin(operating);

    LineOfAction line;
    line.baseTangentDistance = g.t1t2;
    line.basePitch = pi * values.baseDiameter.pinion / values.teeth.pinion;
    // Contact starts where the gear's tip circle (the internal gear's inside circle) crosses the line,
    // and ends at the pinion's tip circle. A start beyond T1 is the interference the measurements report.
    const double gearTip = RollLength(values.outsideDiameter.gear, values.baseDiameter.gear);
    line.start = PointAt(g, g.internal ? gearTip - g.t1t2 : g.t1t2 - gearTip);
    line.end = PointAt(g, RollLength(values.outsideDiameter.pinion, values.baseDiameter.pinion));
    line.pitchPoint = PointAt(g, g.baseRadius.pinion * std::tan(operating));
    line.contactRatio = (line.end.fromT1 - line.start.fromT1) / line.basePitch;
    if (line.contactRatio >= 1.0 && line.contactRatio < 2.0) {
        line.lowestSingleContactOfPinion = PointAt(g, line.end.fromT1 - line.basePitch);
        line.highestSingleContactOfPinion = PointAt(g, line.start.fromT1 + line.basePitch);
    }
    return line;
}

std::vector<StationValue> StationsOf(const PairSolution& solution, const LineOfAction& line, Member member) {
    const PairResult& result = solution.result;
    const double baseDiameter = solution.values.baseDiameter[member];
    const auto fromTable = [baseDiameter](Station station, double diameter, double rollAngle) {
        return StationValue{station, diameter, rollAngle, RollLength(diameter, baseDiameter)};
    };
    const auto onLine = [member](Station station, const ContactPoint& point) {
        return StationValue{station, point.diameter[member], point.rollAngle[member],
                            point.rollLength[member]};
    };
    const bool pinion = member == Member::Pinion;
    std::vector<StationValue> stations;
    stations.push_back(fromTable(Station::TIF, result.TIF[member], result.RollTIF[member]));
    stations.push_back(fromTable(Station::SAP, result.SAP[member], result.RollSAP[member]));
    // On the gear the single tooth contact zone runs the other way: D is its lowest point, B its highest.
    const std::optional<ContactPoint>& lowest =
        pinion ? line.lowestSingleContactOfPinion : line.highestSingleContactOfPinion;
    const std::optional<ContactPoint>& highest =
        pinion ? line.highestSingleContactOfPinion : line.lowestSingleContactOfPinion;
    if (lowest && highest) {
        stations.push_back(onLine(Station::LowestSingleContact, *lowest));
    }
    stations.push_back(onLine(Station::OperatingPitchPoint, line.pitchPoint));
    if (lowest && highest) {
        stations.push_back(onLine(Station::HighestSingleContact, *highest));
    }
    // Contact ends on the member's own tip circle, so its EAP is normally the outside diameter: it then
    // takes the table's roll angle there, so that one diameter never shows two roll angles.
    const StationValue outside =
        fromTable(Station::OutsideDiameter, solution.values.outsideDiameter[member], result.RollOD[member]);
    const StationValue end = onLine(Station::EAP, pinion ? line.end : line.start);
    if (std::abs(end.diameter - outside.diameter) <= 1e-9 * outside.diameter) {
        stations.push_back(
            StationValue{Station::EAP, outside.diameter, outside.rollAngle, outside.rollLength});
    } else {
        stations.push_back(end);
    }
    stations.push_back(outside);
    return stations;
}

} // namespace korvanta
