#pragma once

#include "core/mesh_geometry.h"

namespace korvanta {

// The transverse shape of a member's teeth about its own centre. An external tooth is bounded by two
// involutes of the base circle that close towards the tip; the internal gear's space is shaped as an
// external tooth, so its teeth widen towards their root, outward.
struct ToothForm {
    bool internal = false; // the internal gear: teeth pointing inward
    int teeth = 0;
    double baseRadius = 0.0;
    double formRadius = 0.0; // where the drawn involute begins at the root end: the TIF, or the base circle
    double tipRadius = 0.0;  // where it ends: the outside circle (the internal gear's inside circle)
    // The outside circle itself, which lies within the base circle where an internal gear's inside
    // diameter does: its teeth then reach in beyond the end of the involute.
    double outsideRadius = 0.0;
    double rootRadius = 0.0; // the assumed root circle below the form radius (beyond it, internal)
    // Half the angle at the base circle of the tooth (the internal gear: of its space): s / 2r + inv φ
    // at the reference pitch circle, s the transverse tooth thickness (space width) there.
    double baseHalfAngle = 0.0;
    // +1 when the working flank, the one that touches the mate on the line of action drawn, lies
    // counter-clockwise of the tooth's centre line; −1 when it lies clockwise.
    int workingSide = 1;
};

// inv φ at a radius outside the base circle: tan φ − φ with cos φ = r_b / r.
double InvoluteAtRadius(double baseRadius, double radius);

// Half the angle the tooth takes up at the radius, about the member's centre.
double HalfToothAngle(const ToothForm& form, double radius);

// The radius where the two flanks of a tooth meet (the external tooth's point beyond the tip, the
// internal tooth's point inside the inside circle), or the tip radius where they do not meet before it.
double PointedTipRadius(const ToothForm& form);

// One tooth with its centre line at `centreAngle` (radians, counter-clockwise from the x axis) about
// `centre`. The flanks run from the form radius to the tip; the tip joins their ends along the tip
// circle (radially out to the outside circle and back where the involute ends short of it); each root
// runs from the middle of the space beside it along the root circle, then radially up to its flank.
ToothOutline OutlineOf(const ToothForm& form, MeshPoint centre, double centreAngle);

} // namespace korvanta
