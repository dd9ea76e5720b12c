#pragma once

#include "core/member.h"
#include "core/single.h"

namespace korvanta {

// Results of one pair calculation, in the columns of the output table: after an exchange of an
// external pair (`Swapped`) the pinion is the member entered as the gear.
struct PairResult {
    bool Swapped = false;
    PerMember<Single> X; // addendum modification coefficients
    PerMember<Single> SAP;
    PerMember<Single> TIF;
    PerMember<Single> RollTIF;
    PerMember<Single> RollSAP;
    PerMember<Single> RollPD;
    PerMember<Single> RollOD;
    Single OperatingPA;
    Single ProfileOverlap;
};

} // namespace korvanta
