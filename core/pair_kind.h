#pragma once

#include <cstddef>
#include <cstdint>

#include "core/gear_pair_state.h"

namespace korvanta {

// The kind of pair. GearPairState stores it as GearType: 0 before the user first chooses, 1 external,
// 2 internal.
enum class PairKind { External = 1, Internal = 2 };

// A member of the pair. GearPairState stores the diagram's member as DiagramMember: 0 none yet,
// 1 pinion, 2 gear.
enum class Member { Pinion = 1, Gear = 2 };

// The place of a member among values kept pinion first, as the measurements and their fields are.
constexpr std::size_t IndexOf(Member member) {
    return member == Member::Gear ? 1 : 0;
}

// The place of a kind of pair among values kept external first.
constexpr std::size_t IndexOf(PairKind kind) {
    return kind == PairKind::Internal ? 1 : 0;
}

// The kind the state holds; a state where no kind has been chosen yet counts as external, as the
// input window's first option is.
inline PairKind KindOf(const GearPairState& state) {
    return state.GearType == static_cast<std::int16_t>(PairKind::Internal) ? PairKind::Internal
                                                                           : PairKind::External;
}

inline bool IsInternal(const GearPairState& state) {
    return KindOf(state) == PairKind::Internal;
}

inline void StoreKind(GearPairState& state, PairKind kind) {
    state.GearType = static_cast<std::int16_t>(kind);
}

inline bool KindChosen(const GearPairState& state) {
    return state.GearType != 0;
}

// The diagram's member; a state without one yet counts as the pinion.
inline Member DiagramMemberOf(const GearPairState& state) {
    return state.DiagramMember == static_cast<std::int16_t>(Member::Gear) ? Member::Gear : Member::Pinion;
}

inline bool DiagramMemberChosen(const GearPairState& state) {
    return state.DiagramMember != 0;
}

inline void StoreDiagramMember(GearPairState& state, Member member) {
    state.DiagramMember = static_cast<std::int16_t>(member);
}

// The diagram starts afresh with the member its kind of pair calls for.
inline void ForgetDiagramMember(GearPairState& state) {
    state.DiagramMember = 0;
}

} // namespace korvanta
