#pragma once

#include <optional>

#include "core/angle_constants.h"
#include "core/length_unit.h"
#include "core/member.h"
#include "core/single.h"

namespace korvanta {

// The one record of the gear pair being worked on (suffix 1: pinion, suffix 2: gear). A value of 0 in
// an entered field means the field has not been entered. The program holds one process-wide
// instance; every calculation takes the record by reference.
struct GearPairState {
    std::optional<PairKind> GearType;     // none until the user first chooses
    std::optional<PairKind> LastGearType; // GearType at the previous change of the gear-type choice
    std::optional<Member> DiagramMember;  // none until the diagram picks one
    Single DP;                            // normal diametral pitch
    Single PA;                            // normal pressure angle, degrees
    Single HA;                            // helix angle, degrees
    double Pi = 0.0; // Pi, DegToRad and RadToDeg: the angle constants in force (AngleConstants)
    Single DegToRad;
    Single RadToDeg;
    Single TDP; // transverse diametral pitch
    Single TPA; // transverse pressure angle, degrees
    Single SAP1;
    Single SAP2;
    Single CD;
    Single PD2;
    Single NT1;
    Single NT2;
    Single OD1;
    Single OD2; // for an internal gear its inside (tip) diameter
    double DB1 = 0.0;
    double DB2 = 0.0;
    Single PD1;
    // The units of the pair: for a metric pair DP, TDP and every length are per millimetre and in
    // millimetres, and Module holds the normal module as typed (DP = 1 / Module).
    LengthUnit Unit = LengthUnit::Inch;
    Single Module;
};

// Whether the two states hold the same pair as the user entered it: kind, units and the eight fields
// as stored (a value derived from them, or left by a calculation, does not count).
bool SameEntries(const GearPairState& a, const GearPairState& b);

// Puts the start-up angle constants in force (kStartUpAngleConstants).
void SetStartUpConstants(GearPairState& state);

// Puts the roll-angle constants in force (kRollAngleConstants). A pair calculation starts from the
// start-up set and makes this switch as soon as its first roll angle has been found; the state keeps
// the set until the next pair calculation.
void SwitchToRollAngleConstants(GearPairState& state);

} // namespace korvanta
