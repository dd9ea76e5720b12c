#include "core/involute_tooth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/involute.h"

namespace korvanta {

namespace {

using std::numbers::pi;

constexpr int kFlankPoints = 16;
constexpr int kTipPoints = 5;
constexpr int kRootArcPoints = 4;

MeshPoint Polar(MeshPoint centre, double radius, double angle) {
    return {centre.x + radius * std::cos(angle), centre.y + radius * std::sin(angle)};
}

// Points of the circle from one angle to the other, both ends included.
void AppendArc(std::vector<MeshPoint>& points, MeshPoint centre, double radius, double from, double to,
               int count) {
    for (int i = 0; i < count; ++i) {
        points.push_back(Polar(centre, radius, from + (to - from) * i / (count - 1)));
    }
}

// The flank on `side` of the centre line, from the form radius to the tip, its points evenly spaced in
// roll length, where the involute's curvature is spread most evenly.
std::vector<MeshPoint> Flank(const ToothForm& form, MeshPoint centre, double centreAngle, double side,
                             double tipRadius) {
    const double base = form.baseRadius;
    const auto roll = [base](double radius) {
        return std::sqrt(std::max(0.0, radius * radius - base * base));
    };
    const double from = roll(form.formRadius);
    const double to = roll(tipRadius);
    std::vector<MeshPoint> points;
    points.reserve(kFlankPoints);
    for (int i = 0; i < kFlankPoints; ++i) {
        const double length = from + (to - from) * i / (kFlankPoints - 1);
        const double radius = i == 0                  ? form.formRadius
                              : i == kFlankPoints - 1 ? tipRadius
                                                      : std::hypot(base, length);
        points.push_back(Polar(centre, radius, centreAngle + side * HalfToothAngle(form, radius)));
    }
    return points;
}

// From the middle of the space on `side` along the root circle, then radially up to the flank's start.
std::vector<MeshPoint> Root(const ToothForm& form, MeshPoint centre, double centreAngle, double side) {
    const double flankAngle = centreAngle + side * HalfToothAngle(form, form.formRadius);
    const double spaceMiddle = centreAngle + side * pi / form.teeth;
    std::vector<MeshPoint> points;
    AppendArc(points, centre, form.rootRadius, spaceMiddle, flankAngle, kRootArcPoints);
    points.push_back(Polar(centre, form.formRadius, flankAngle));
    return points;
}

} // namespace

double InvoluteAtRadius(double baseRadius, double radius) {
    if (!(radius > baseRadius)) {
        return 0.0;
    }
    const double tangent = std::sqrt(radius * radius - baseRadius * baseRadius) / baseRadius;
    return tangent - std::atan(tangent);
}

double HalfToothAngle(const ToothForm& form, double radius) {
    const double involute = InvoluteAtRadius(form.baseRadius, radius);
    // The internal gear's tooth is what its space, an external tooth's shape, leaves of the pitch angle.
    return form.internal ? pi / form.teeth - form.baseHalfAngle + involute : form.baseHalfAngle - involute;
}

double PointedTipRadius(const ToothForm& form) {
    // The flanks meet where inv φ takes up the whole half angle the tooth has at the base circle.
    const double involute = form.internal ? form.baseHalfAngle - pi / form.teeth : form.baseHalfAngle;
    if (!(involute > 0.0)) {
        return form.tipRadius;
    }
    const double point = form.baseRadius / std::cos(InvoluteAngle(involute));
    return form.internal ? std::max(form.tipRadius, point) : std::min(form.tipRadius, point);
}

ToothOutline OutlineOf(const ToothForm& form, MeshPoint centre, double centreAngle) {
    const double tipRadius = PointedTipRadius(form);
    const double working = form.workingSide;
    ToothOutline tooth;
    tooth.leadingFlank = Flank(form, centre, centreAngle, working, tipRadius);
    tooth.trailingFlank = Flank(form, centre, centreAngle, -working, tipRadius);
    const double tipHalfAngle = HalfToothAngle(form, tipRadius);
    const double leadingEnd = centreAngle + working * tipHalfAngle;
    const double trailingEnd = centreAngle - working * tipHalfAngle;
    // A tooth whose flanks meet has no tip beyond their point.
    const bool pointed = tipRadius != form.tipRadius;
    const bool beyondInvolute = !pointed && form.outsideRadius < form.tipRadius;
    if (beyondInvolute) {
        tooth.tip.push_back(Polar(centre, tipRadius, leadingEnd));
    }
    AppendArc(tooth.tip, centre, beyondInvolute ? form.outsideRadius : tipRadius, leadingEnd, trailingEnd,
              kTipPoints);
    if (beyondInvolute) {
        tooth.tip.push_back(Polar(centre, tipRadius, trailingEnd));
    }
    tooth.leadingRoot = Root(form, centre, centreAngle, working);
    tooth.trailingRoot = Root(form, centre, centreAngle, -working);
    return tooth;
}

} // namespace korvanta
