// The same entries give the same results however often, and after whatever, the pair is calculated:
// every pair calculation starts from the start-up angle constants, and the estimates and Calculate's
// transverse values never read the set a roll angle put in force.
#include <bit>
#include <cstdint>
#include <cstring>

#include <gtest/gtest.h>

#include "core/basic_values.h"
#include "core/external_pair.h"
#include "core/internal_pair.h"
#include "core/transverse_values.h"
#include "pair_fixtures.h"

namespace korvanta {
namespace {

using testing::PairEntry;

struct RepeatedCase {
    const char* name;
    PairKind gearType;
    PairEntry pair;
};

const RepeatedCase kCases[] = {
    {"External20To40", PairKind::External, {20, 40, 10, 20, 0, 2.2, 4.2, 3.0}},
    {"HelicalExternal", PairKind::External, {20, 40, 10, 20, 15, 2.3, 4.4, 3.2}},
    {"Internal20To60", PairKind::Internal, {20, 60, 10, 20, 0, 2.2, 5.8, 2.0}},
    {"HelicalInternal", PairKind::Internal, {18, 54, 8, 20, 12, 2.6, 6.5, 2.3}},
};

PairResult CalculatePair(GearPairState& state) {
    return state.GearType == PairKind::Internal ? CalcInternalPair(state) : CalcExternalPair(state);
}

// Every field of two results, bit for bit.
void ExpectSameResult(const PairResult& first, const PairResult& again) {
    const auto same = [](Single a, Single b) {
        EXPECT_EQ(std::bit_cast<std::uint32_t>(a.Value()), std::bit_cast<std::uint32_t>(b.Value()));
    };
    const PerMember<Single> PairResult::*perMember[] = {
        &PairResult::X,       &PairResult::SAP,    &PairResult::TIF,   &PairResult::RollTIF,
        &PairResult::RollSAP, &PairResult::RollPD, &PairResult::RollOD};
    for (const PerMember<Single> PairResult::*field : perMember) {
        for (Member member : kMembers) {
            same((first.*field)[member], (again.*field)[member]);
        }
    }
    same(first.OperatingPA, again.OperatingPA);
    same(first.ProfileOverlap, again.ProfileOverlap);
    EXPECT_EQ(first.Swapped, again.Swapped);
}

class RepeatedCalculation : public ::testing::TestWithParam<RepeatedCase> {};

TEST_P(RepeatedCalculation, ASecondCalculationOfTheStateGivesTheFirstResult) {
    GearPairState state = testing::EnteredPair(GetParam().gearType, GetParam().pair);
    const PairResult first = CalculatePair(state);
    const PairResult again = CalculatePair(state);
    ExpectSameResult(first, again);
    // Each ends with the roll-angle constants in force, for the angles at a diameter.
    EXPECT_EQ(std::bit_cast<std::uint32_t>(state.DegToRad.Value()), 0x3C8EFA34u);
}

// The user closes the output window and presses Calculate again with nothing changed: Calculate
// derives the transverse values again while the state holds the roll-angle constants.
TEST_P(RepeatedCalculation, CalculateAgainAfterAPairCalculationGivesTheFirstResult) {
    GearPairState state = testing::EnteredPair(GetParam().gearType, GetParam().pair);
    const GearPairState entered = state;
    const PairResult first = CalculatePair(state);
    DeriveTransverseValues(state);
    EXPECT_EQ(std::bit_cast<std::uint32_t>(state.TDP.Value()),
              std::bit_cast<std::uint32_t>(entered.TDP.Value()));
    EXPECT_EQ(std::bit_cast<std::uint64_t>(state.DB1), std::bit_cast<std::uint64_t>(entered.DB1));
    EXPECT_EQ(std::bit_cast<std::uint64_t>(state.DB2), std::bit_cast<std::uint64_t>(entered.DB2));
    ExpectSameResult(first, CalculatePair(state));
}

TEST_P(RepeatedCalculation, EstimatesAfterAPairCalculationAreTheFirstOnes) {
    GearPairState fresh = testing::EnteredPair(GetParam().gearType, GetParam().pair);
    GearPairState calculated = fresh;
    CalculatePair(calculated);
    for (GearPairState* state : {&fresh, &calculated}) {
        state->OD1 = 0.0;
        state->OD2 = 0.0;
        state->CD = 0.0;
        GetBasicValues(*state, "20", "40");
    }
    EXPECT_EQ(std::bit_cast<std::uint32_t>(fresh.TDP.Value()),
              std::bit_cast<std::uint32_t>(calculated.TDP.Value()));
    EXPECT_EQ(std::bit_cast<std::uint32_t>(fresh.OD1.Value()),
              std::bit_cast<std::uint32_t>(calculated.OD1.Value()));
    EXPECT_EQ(std::bit_cast<std::uint32_t>(fresh.OD2.Value()),
              std::bit_cast<std::uint32_t>(calculated.OD2.Value()));
    EXPECT_EQ(std::bit_cast<std::uint32_t>(fresh.CD.Value()),
              std::bit_cast<std::uint32_t>(calculated.CD.Value()));
}

INSTANTIATE_TEST_SUITE_P(Pairs, RepeatedCalculation, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<RepeatedCase>& c) { return c.param.name; });

} // namespace
} // namespace korvanta
