#pragma once

#include <cmath>

#include "core/gear_pair_state.h"
#include "core/my_functions.h"

namespace korvanta::testing {

struct PairEntry {
    double NT1, NT2, DP, PA, HA, OD1, OD2, CD;
};

// The state as the input window's Calculate leaves it: the entered fields, then the transverse
// pitch, the pitch diameters, the transverse pressure angle and the base diameters.
inline GearPairState EnteredPair(Integer gearType, const PairEntry& e) {
    GearPairState s;
    SetStartUpConstants(s);
    s.GearType = gearType;
    s.PA = e.PA;
    s.DP = e.DP;
    s.NT1 = e.NT1;
    s.NT2 = e.NT2;
    s.OD1 = e.OD1;
    s.OD2 = e.OD2;
    s.CD = e.CD;
    s.HA = e.HA;
    s.TDP = s.DP * std::cos(s.DegToRad * s.HA);
    s.PD1 = s.NT1 / s.TDP;
    s.PD2 = s.NT2 / s.TDP;
    s.TPA = Degrees(std::atan(std::tan(Radians(s.PA)) / std::cos(Radians(s.HA))));
    s.DB1 = s.PD1 * std::cos(s.TPA * s.DegToRad);
    s.DB2 = s.PD2 * std::cos(s.TPA * s.DegToRad);
    return s;
}

inline GearPairState ExternalPair(const PairEntry& e) {
    return EnteredPair(1, e);
}
inline GearPairState InternalPair(const PairEntry& e) {
    return EnteredPair(2, e);
}

} // namespace korvanta::testing
