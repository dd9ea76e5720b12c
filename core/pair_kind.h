#pragma once

#include "core/gear_pair_state.h"

namespace korvanta {

// The kind the state holds; a state where no kind has been chosen yet counts as external, as the
// input window's first option is.
inline PairKind KindOf(const GearPairState& state) {
    return state.GearType.value_or(PairKind::External);
}

inline bool IsInternal(const GearPairState& state) {
    return KindOf(state) == PairKind::Internal;
}

// The diagram's member; a state without one yet counts as the pinion.
inline Member DiagramMemberOf(const GearPairState& state) {
    return state.DiagramMember.value_or(Member::Pinion);
}

} // namespace korvanta
