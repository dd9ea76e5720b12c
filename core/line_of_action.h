#pragma once

#include <optional>
#include <vector>

#include "core/member.h"
#include "core/pair_solution.h"

namespace korvanta {

// A point of the line of action, measured from the pinion's base tangent point T1, with where it lies
// on each member: its diameter, its roll length ½√(d² − d_b²) and its roll angle in degrees.
struct ContactPoint {
    double fromT1 = 0.0;
    PerMember<double> diameter;
    PerMember<double> rollLength;
    PerMember<double> rollAngle;
};

// The path of contact of a solved pair in the transverse plane: from the start A to the end E of
// contact, through the operating pitch point P, with the single tooth contact zone from B = E − p_bt to
// D = A + p_bt when the contact ratio lies from 1 to below 2.
struct LineOfAction {
    double baseTangentDistance = 0.0; // T1T2
    double basePitch = 0.0;           // p_bt, transverse
    double contactRatio = 0.0;        // (T1E − T1A) / p_bt
    ContactPoint start;               // A; before T1 (fromT1 < 0) when the pinion interferes
    ContactPoint end;                 // E
    ContactPoint pitchPoint;          // P
    std::optional<ContactPoint> lowestSingleContactOfPinion;  // B
    std::optional<ContactPoint> highestSingleContactOfPinion; // D
};

// For a complete solution, in double precision: contact starts (A) where the gear's tip circle (the
// internal gear's inside circle) crosses the line and ends (E) on the pinion's tip circle.
LineOfAction LineOfActionOf(const PairSolution& solution);

// The diameters of a member an inspector checks the profile at, from the root up.
enum class Station {
    TIF,
    SAP,
    LowestSingleContact,
    OperatingPitchPoint,
    HighestSingleContact,
    EAP,             // end of active profile
    OutsideDiameter, // the internal gear's inside diameter
};

struct StationValue {
    Station station;
    double diameter = 0.0;
    double rollAngle = 0.0; // degrees
    double rollLength = 0.0;
};

// The stations of one member in the order above; without a single tooth contact zone its two
// stations are left out. TIF, SAP and the outside diameter take the output table's roll angles.
std::vector<StationValue> StationsOf(const PairSolution& solution, const LineOfAction& line, Member member);

} // namespace korvanta
