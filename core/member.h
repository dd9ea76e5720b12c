#pragma once

#include <array>
#include <cstddef>

namespace korvanta {

// The kind of pair: two external gears, or a pinion running inside an internal gear.
enum class PairKind { External, Internal };

// A member of the pair.
enum class Member { Pinion, Gear };

inline constexpr std::array<Member, 2> kMembers = {Member::Pinion, Member::Gear};

// The place of a member among values kept pinion first, as the measurements and their fields are.
constexpr std::size_t IndexOf(Member member) {
    return member == Member::Gear ? 1 : 0;
}

// The place of a kind of pair among values kept external first.
constexpr std::size_t IndexOf(PairKind kind) {
    return kind == PairKind::Internal ? 1 : 0;
}

// One value for each member of the pair.
template <class T> struct PerMember {
    T pinion{};
    T gear{};

    T& operator[](Member member) { return member == Member::Gear ? gear : pinion; }
    const T& operator[](Member member) const { return member == Member::Gear ? gear : pinion; }

    bool operator==(const PerMember&) const = default;
};

} // namespace korvanta
