#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/length_unit.h"
#include "core/member.h"
#include "core/pair_solution.h"

namespace korvanta {

// A point of the transverse plane, in the pair's length unit: the pinion's centre at the origin, the
// gear's centre on the positive y axis at the entered center distance (an internal gear's centre too;
// the pinion then runs inside it).
struct MeshPoint {
    double x = 0.0;
    double y = 0.0;

    bool operator==(const MeshPoint&) const = default;
};

enum class MeshCircleKind { Base, OperatingPitch, Outside, SAP, TIF };

// A circle about a member's centre; the Outside circle of an internal gear is its inside circle.
struct MeshCircle {
    Member member = Member::Pinion;
    MeshCircleKind kind = MeshCircleKind::Base;
    MeshPoint centre;
    double radius = 0.0;
};

// One tooth of a member, at the turn it was drawn for, as point lists from the root up: each flank the
// involute from the TIF (or the base circle, where that is larger) to the outside diameter, the tip
// joining them, and below the TIF the assumed root, kept apart so that it is drawn as assumed. The
// leading flank is the working one, which touches the mate on the line of action drawn; each root runs
// from the middle of the space beside its flank up to the flank's first point.
struct ToothOutline {
    std::vector<MeshPoint> leadingFlank;
    std::vector<MeshPoint> trailingFlank;
    std::vector<MeshPoint> tip;
    std::vector<MeshPoint> leadingRoot;
    std::vector<MeshPoint> trailingRoot;
};

// A named point of the line of action.
struct LinePoint {
    std::string name; // "T1", "T2", "A", "E", "P", "B", "D"
    MeshPoint at;
    double fromT1 = 0.0; // along the line of action, from T1 towards P (an internal pair's T2 lies behind T1)
};

enum class MeshTroubleKind {
    Interference, // contact would start beyond the member's base tangent point, below its base circle
    SAPBelowTIF,  // contact starts before the true involute form (the internal gear: beyond its TIF)
};

// A stretch of the line of action (or of a flank) that is in trouble, with the sentence that says why
// and which member it concerns.
struct MeshTrouble {
    MeshPoint from;
    MeshPoint to;
    std::string sentence;
    Member member = Member::Pinion;
    MeshTroubleKind kind = MeshTroubleKind::Interference;
};

// Where two teeth in mesh touch at the turn drawn, with the roll angle of the point on each member.
struct MeshContact {
    MeshPoint at;
    double fromT1 = 0.0;
    PerMember<double> rollAngle; // degrees
};

// The pair in mesh at one turn: everything the mesh picture draws, in numbers.
struct MeshPicture {
    PairKind kind = PairKind::External;
    LengthUnit unit = LengthUnit::Inch;
    PerMember<MeshPoint> centre;
    std::vector<MeshCircle> circles;
    PerMember<std::vector<ToothOutline>> teeth;
    std::vector<LinePoint> linePoints; // T1, T2, A, E, P, and B and D where there is single tooth contact
    double pathLength = 0.0;           // from A to E
    double basePitch = 0.0;            // transverse
    double contactRatio = 0.0;
    std::vector<MeshTrouble> troubles;
    std::vector<MeshContact> contacts; // from A to E, where both flanks are involutes
    std::string rootAssumption;        // what the root drawn below the TIF assumes
};

// The picture of a complete solution with its measurements (the tooth thicknesses), with the pinion
// turned by `turn` transverse base pitches from its start (the gear follows at the tooth ratio). At
// turn 0 a pinion tooth and a gear tooth touch at the pitch point; a positive turn moves the contacts
// from A towards E: on an external pair the pinion turns clockwise and the gear counter-clockwise, on
// an internal pair both counter-clockwise. An incomplete solution gives a picture of no shapes.
MeshPicture MeshOf(const PairSolution& solution, double turn);

} // namespace korvanta
