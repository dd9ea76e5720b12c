#pragma once

#include <cstdint>

#include "core/gear_pair_state.h"
#include "core/transverse_values.h"

namespace korvanta::testing {

struct PairEntry {
    double NT1, NT2, DP, PA, HA, OD1, OD2, CD;
};

// The state as the input window's Calculate leaves it: the entered fields, then the transverse
// pitch, the pitch diameters, the transverse pressure angle and the base diameters.
inline GearPairState EnteredPair(PairKind gearType, const PairEntry& e) {
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
    DeriveTransverseValues(s);
    return s;
}

inline GearPairState ExternalPair(const PairEntry& e) {
    return EnteredPair(PairKind::External, e);
}
inline GearPairState InternalPair(const PairEntry& e) {
    return EnteredPair(PairKind::Internal, e);
}

} // namespace korvanta::testing
