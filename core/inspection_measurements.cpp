#include "core/inspection_measurements.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/involute.h"
#include "core/newton.h"
#include "core/pair_kind.h"

namespace korvanta {

namespace {

using std::numbers::pi;

double ExactRadians(double degrees) {
    return degrees * pi / 180.0;
}

// One member as the measurements see it, all in double precision.
struct MemberGeometry {
    bool internalGear = false;
    double teeth = 0.0;
    double x = 0.0; // normal coefficient, in units of 1/Pn
    double pitchDiameter = 0.0;
    double baseDiameter = 0.0;
    double tipDiameter = 0.0; // the outside diameter; the inside diameter of the internal gear
    double tifDiameter = 0.0;
};

struct Pair {
    bool internal = false;
    double normalPitch = 0.0;
    double normalPressureAngle = 0.0; // radians from here on
    double transversePressureAngle = 0.0;
    double helixAngle = 0.0;
    double baseHelixAngle = 0.0;
    double centerDistance = 0.0;
    double operatingPressureAngle = 0.0;
    std::array<MemberGeometry, 2> members;
};

Pair PairOf(const GearPairState& state, const PairResult& result) {
    Pair pair;
    pair.internal = IsInternal(state);
    pair.normalPitch = state.DP;
    pair.normalPressureAngle = ExactRadians(state.PA);
    pair.helixAngle = ExactRadians(state.HA);
    pair.transversePressureAngle = std::atan(std::tan(pair.normalPressureAngle) / std::cos(pair.helixAngle));
    pair.baseHelixAngle = std::asin(std::sin(pair.helixAngle) * std::cos(pair.normalPressureAngle));
    pair.centerDistance = state.CD;
    const double transversePitch = pair.normalPitch * std::cos(pair.helixAngle);

    // The result's columns: an exchanged external pair has its pinion in the state's gear fields.
    const bool exchanged = result.Swapped;
    const std::array<double, 2> teeth{exchanged ? state.NT2 : state.NT1, exchanged ? state.NT1 : state.NT2};
    const std::array<double, 2> tips{exchanged ? state.OD2 : state.OD1, exchanged ? state.OD1 : state.OD2};
    const std::array<double, 2> x{result.X.pinion, result.X.gear};
    const std::array<double, 2> tif{result.TIF.pinion, result.TIF.gear};
    for (std::size_t m = 0; m < pair.members.size(); ++m) {
        MemberGeometry& member = pair.members[m];
        member.internalGear = pair.internal && m == IndexOf(Member::Gear);
        member.teeth = teeth[m];
        member.x = x[m];
        member.pitchDiameter = member.teeth / transversePitch;
        member.baseDiameter = member.pitchDiameter * std::cos(pair.transversePressureAngle);
        member.tipDiameter = tips[m];
        member.tifDiameter = tif[m];
    }
    // cos φ′ = (db2 ± db1) / 2C: the sum for an external pair, the difference for an internal one.
    const double db1 = pair.members[0].baseDiameter;
    const double db2 = pair.members[1].baseDiameter;
    const double cosine = (pair.internal ? db2 - db1 : db2 + db1) / (2.0 * pair.centerDistance);
    pair.operatingPressureAngle = cosine >= 1.0 ? 0.0 : std::acos(cosine);
    return pair;
}

// Length along the line of action from the member's base tangent point to its tip circle (for the
// internal gear its inside circle; 0 when that lies inside the base circle, where the flank is no
// involute and contact can only begin at the base circle).
double TipRollLength(const MemberGeometry& member) {
    const double tip = member.tipDiameter;
    const double base = member.baseDiameter;
    return tip > base ? std::sqrt(tip * tip - base * base) / 2.0 : 0.0;
}

// The contact ratio and, for each member, the distance along the line of action from its base tangent
// point to the point where its contact starts; a negative distance lies beyond the tangent point.
struct Contact {
    double ratio = 0.0;
    std::array<double, 2> start{};
};

Contact ContactOf(const Pair& pair) {
    const MemberGeometry& pinion = pair.members[0];
    const double a1 = TipRollLength(pinion);
    const double a2 = TipRollLength(pair.members[1]);
    // Distance between the two base tangent points.
    const double tangents = pair.centerDistance * std::sin(pair.operatingPressureAngle);
    Contact contact;
    double path = 0.0;
    if (pair.internal) {
        // Both tangent points lie on the same side of the pitch point.
        path = a1 - a2 + tangents;
        contact.start = {a2 - tangents, a1 + tangents};
    } else {
        path = a1 + a2 - tangents;
        contact.start = {tangents - a2, tangents - a1};
    }
    const double transverseBasePitch = pi * pinion.baseDiameter / pinion.teeth;
    contact.ratio = path / transverseBasePitch;
    return contact;
}

// External teeth are active from the TIF to the outside diameter; the internal gear's teeth from its
// inside diameter to its TIF.
bool OnActiveProfile(const MemberGeometry& member, double diameter) {
    return member.internalGear ? member.tipDiameter <= diameter && diameter <= member.tifDiameter
                               : member.tifDiameter <= diameter && diameter <= member.tipDiameter;
}

// Diameter where the tangent from the base circle has the given length in diameter units (twice the
// roll length), with the check on the active profile; a negative length lies beyond the base circle's
// tangent point, on no flank.
ContactMeasurement ContactAt(const MemberGeometry& member, double value, double rollLength) {
    const double base = member.baseDiameter;
    const double diameter = std::sqrt(base * base + rollLength * rollLength);
    return ContactMeasurement{value, diameter, rollLength >= 0.0 && OnActiveProfile(member, diameter)};
}

double ToothThickness(const Pair& pair, const MemberGeometry& member) {
    return (pi / 2.0 + 2.0 * member.x * std::tan(pair.normalPressureAngle)) / pair.normalPitch;
}

// The transverse half-angle terms of the pin's involute equation: inv φ = Offset + s·dw / (db cos ψb),
// s = +1 over pins of external teeth, −1 between pins of the internal gear.
double PinOffset(const Pair& pair, const MemberGeometry& member) {
    const double transverseThickness = ToothThickness(pair, member) / std::cos(pair.helixAngle);
    const double offset = transverseThickness / member.pitchDiameter + Involute(pair.transversePressureAngle);
    return member.internalGear ? offset : offset - pi / member.teeth;
}

double PinSide(const MemberGeometry& member) {
    return member.internalGear ? -1.0 : 1.0;
}

// Over two pins or balls in one transverse plane (between pins for the internal gear). The pin centre
// lies on the circle where the pressure angle is φ; the pin touches the flank where the normal from its
// centre meets it, dw/2 away along a line inclined at ψb to the transverse plane.
std::optional<ContactMeasurement> OverPins(const Pair& pair, const MemberGeometry& member,
                                           double pinDiameter) {
    if (!(pinDiameter > 0.0)) {
        return std::nullopt;
    }
    const double base = member.baseDiameter;
    const double cosBaseHelix = std::cos(pair.baseHelixAngle);
    const double side = PinSide(member);
    const double involute = PinOffset(pair, member) + side * pinDiameter / (base * cosBaseHelix);
    if (involute <= 0.0) {
        return std::nullopt;
    }
    const double angle = InvoluteAngle(involute);
    const bool evenTeeth = std::lround(member.teeth) % 2 == 0;
    const double chord = evenTeeth ? 1.0 : std::cos(pi / (2.0 * member.teeth));
    const double measurement = base / std::cos(angle) * chord + side * pinDiameter;
    if (!(measurement > 0.0)) {
        return std::nullopt;
    }
    return ContactAt(member, measurement, base * std::tan(angle) - side * pinDiameter * cosBaseHelix);
}

// Tangent of the transverse pressure angle at d + 2x/Pn, where pins and anvils should touch; empty
// when that diameter is not outside the base circle.
std::optional<double> TargetTangent(const Pair& pair, const MemberGeometry& member) {
    const double target = member.pitchDiameter + 2.0 * member.x / pair.normalPitch;
    const double base = member.baseDiameter;
    if (!(target > base)) {
        return std::nullopt;
    }
    return std::sqrt(target * target - base * base) / base;
}

// The pin or ball diameter whose contact lies on d + 2x/Pn. With tan φ of the pin centre, the contact
// condition db tan φ − s dw cos ψb = db tan φM gives dw = s db (tan φ − tan φM) / cos ψb; put into the
// pin's involute equation, φ solves φ + tan²ψb tan φ = tan φM / cos²ψb − Offset, which is exact for a
// spur gear and otherwise found by Newton's method from the upper bound of both terms.
std::optional<double> IdealPinDiameter(const Pair& pair, const MemberGeometry& member) {
    const std::optional<double> targetTangent = TargetTangent(pair, member);
    if (!targetTangent) {
        return std::nullopt;
    }
    const double cosBaseHelix = std::cos(pair.baseHelixAngle);
    const double tanSquared = std::pow(std::tan(pair.baseHelixAngle), 2);
    const double right = *targetTangent / (cosBaseHelix * cosBaseHelix) - PinOffset(pair, member);
    if (!(right > 0.0)) {
        return std::nullopt;
    }
    double angle = right;
    if (tanSquared > 0.0) {
        angle = RootFromAbove([&](double a) { return a + tanSquared * std::tan(a) - right; },
                              [&](double a) { return 1.0 + tanSquared / (std::cos(a) * std::cos(a)); },
                              std::min(right, std::atan(right / tanSquared)));
    }
    const double diameter =
        PinSide(member) * member.baseDiameter * (std::tan(angle) - *targetTangent) / cosBaseHelix;
    if (!(diameter > 0.0)) {
        return std::nullopt;
    }
    return diameter;
}

// Teeth spanned whose anvils touch nearest to d + 2x/Pn, the rule's value rounded to the nearest whole
// number with a tie going up, kept between 1 and N − 1.
int DefaultSpanTeeth(const Pair& pair, const MemberGeometry& member) {
    const double targetTangent = TargetTangent(pair, member).value_or(0.0);
    const double cosBaseHelix = std::cos(pair.baseHelixAngle);
    const double n = member.teeth;
    const double k =
        n / pi *
            (targetTangent / (cosBaseHelix * cosBaseHelix) - Involute(pair.transversePressureAngle) -
             2.0 * member.x * std::tan(pair.normalPressureAngle) / n) +
        0.5;
    const int maximum = std::max(1, static_cast<int>(std::lround(n)) - 1);
    return std::clamp(static_cast<int>(std::floor(k + 0.5)), 1, maximum);
}

// Span over k teeth, measured normal to the flanks. The measuring line, normal to both anvils, lies in a
// plane tangent to the base cylinder, inclined at ψb to the transverse plane; placed symmetrically
// about the line of tangency, its ends are W cos ψb / 2 from it across that plane, where the anvils touch.
std::optional<ContactMeasurement> Span(const Pair& pair, const MemberGeometry& member, int teeth) {
    if (teeth < 1 || teeth >= std::lround(member.teeth)) {
        return std::nullopt;
    }
    const double pressure = pair.normalPressureAngle;
    const double span = std::cos(pressure) / pair.normalPitch *
                            (pi * (teeth - 0.5) + member.teeth * Involute(pair.transversePressureAngle)) +
                        2.0 * member.x * std::sin(pressure) / pair.normalPitch;
    return ContactAt(member, span, span * std::cos(pair.baseHelixAngle));
}

MemberMeasurements MeasureMember(const Pair& pair, const MemberGeometry& member,
                                 const MeasurementChoice& choice, double contactStart) {
    MemberMeasurements measured;
    measured.interference = contactStart < 0.0;
    measured.toothThickness = ToothThickness(pair, member);
    measured.pinDiameter = choice.pinDiameter ? choice.pinDiameter : IdealPinDiameter(pair, member);
    if (measured.pinDiameter) {
        measured.overPins = OverPins(pair, member, *measured.pinDiameter);
    }
    if (!member.internalGear) {
        measured.spanTeeth = choice.spanTeeth.value_or(DefaultSpanTeeth(pair, member));
        measured.span = Span(pair, member, *measured.spanTeeth);
    }
    return measured;
}

} // namespace

PairMeasurements MeasurePair(const GearPairState& state, const PairResult& result,
                             const PerMember<MeasurementChoice>& choices) {
    const Pair pair = PairOf(state, result);
    const Contact contact = ContactOf(pair);
    PairMeasurements measured;
    measured.contactRatio = contact.ratio;
    measured.unit = state.Unit;
    for (Member m : kMembers) {
        measured.members[m] =
            MeasureMember(pair, pair.members[IndexOf(m)], choices[m], contact.start[IndexOf(m)]);
    }
    return measured;
}

} // namespace korvanta
