// A pair is solved on a copy of the entered state; what the diagram reads afterwards is handed back
// by one named step.
#include <bit>
#include <cstdint>

#include <gtest/gtest.h>

#include "core/external_pair.h"
#include "core/gear_pair_state.h"
#include "core/pair_solution.h"
#include "pair_fixtures.h"

namespace korvanta {
namespace {

using testing::PairEntry;

const PairEntry kExternal20To40{20, 40, 10, 20, 0, 2.2, 4.2, 3.0};
// Entered with the larger gear first: the calculation takes the smaller outside diameter as the pinion.
const PairEntry kExchanged{40, 20, 10, 20, 0, 4.2, 2.2, 3.0};
const PairEntry kInternal20To60{20, 60, 10, 20, 0, 2.2, 5.8, 2.0};

std::uint32_t Bits(Single value) {
    return std::bit_cast<std::uint32_t>(value.Value());
}

TEST(SolvePair, LeavesTheEnteredStateAsItWas) {
    for (const GearPairState& entered :
         {testing::ExternalPair(kExchanged), testing::InternalPair(kInternal20To60)}) {
        GearPairState state = entered;
        SolvePair(state, PerMember<MeasurementChoice>{});
        EXPECT_TRUE(SameEntries(state, entered));
        for (auto field : {&GearPairState::TDP, &GearPairState::PD1, &GearPairState::PD2, &GearPairState::TPA,
                           &GearPairState::SAP1, &GearPairState::SAP2, &GearPairState::DegToRad}) {
            EXPECT_EQ(Bits(state.*field), Bits(entered.*field));
        }
        EXPECT_EQ(state.DB1, entered.DB1);
        EXPECT_EQ(state.DB2, entered.DB2);
    }
}

TEST(SolvePair, ShowsAnExchangedPairInTheTableColumnsAndKeepsTheEnteredOrientation) {
    const GearPairState entered = testing::ExternalPair(kExchanged);
    const PairSolution solution = SolvePair(entered);
    ASSERT_TRUE(solution.Complete());
    EXPECT_TRUE(solution.result.Swapped);
    EXPECT_EQ(solution.values.teeth.pinion, 20.0f);
    EXPECT_EQ(solution.values.outsideDiameter.gear, entered.OD1);
    EXPECT_EQ(solution.calculated.NT1, entered.NT1);
    EXPECT_TRUE(SameEntries(solution.calculated, entered));
    // The same numbers as the calculation run on the state itself.
    GearPairState direct = entered;
    EXPECT_EQ(Bits(CalcExternalPair(direct).RollOD.gear), Bits(solution.result.RollOD.gear));
}

TEST(KeepCalculatedValues, GivesTheDiagramTheSAPsTheTransverseAngleAndTheRollAngleConstants) {
    GearPairState state = testing::ExternalPair(kExternal20To40);
    state.TPA = 0; // a spur pair's calculation writes its pressure angle here
    const PairSolution solution = SolvePair(state);
    KeepCalculatedValues(state, solution);
    EXPECT_EQ(Bits(state.SAP1), Bits(solution.result.SAP.pinion));
    EXPECT_EQ(Bits(state.SAP2), Bits(solution.result.SAP.gear));
    EXPECT_EQ(state.TPA, state.PA);
    EXPECT_EQ(Bits(state.DegToRad), 0x3C8EFA34u);
}

TEST(KeepCalculatedValues, GivesBackTheInternalPairsRefreshedBaseDiameters) {
    GearPairState state = testing::InternalPair(kInternal20To60);
    state.DB1 = state.DB2 = 0;
    const PairSolution solution = SolvePair(state);
    KeepCalculatedValues(state, solution);
    EXPECT_EQ(state.DB1, solution.values.baseDiameter.pinion);
    EXPECT_EQ(state.DB2, solution.values.baseDiameter.gear);
    EXPECT_GT(state.DB2, 0.0);
}

struct FaultCase {
    const char* name;
    PairKind kind;
    PairEntry pair;
    PairStage stage;
};

class SolvePairFault : public ::testing::TestWithParam<FaultCase> {};

// The stage that met the fault, and nothing measured.
TEST_P(SolvePairFault, NamesTheStageAndMeasuresNothing) {
    const FaultCase& c = GetParam();
    const PairSolution solution =
        SolvePair(testing::EnteredPair(c.kind, c.pair), PerMember<MeasurementChoice>{});
    EXPECT_EQ(solution.fault, c.stage);
    EXPECT_FALSE(solution.measurements.has_value());
}

INSTANTIATE_TEST_SUITE_P(Stages, SolvePairFault,
                         ::testing::Values(FaultCase{"CenterDistanceTooShort",
                                                     PairKind::External,
                                                     {20, 40, 10, 20, 0, 2.2, 4.2, 0.01},
                                                     PairStage::Geometry},
                                           FaultCase{"InternalWithoutCenterDistance",
                                                     PairKind::Internal,
                                                     {20, 60, 10, 20, 0, 2.2, 5.8, 0},
                                                     PairStage::InternalPair}),
                         [](const ::testing::TestParamInfo<FaultCase>& param) {
                             return std::string(param.param.name);
                         });

TEST(SolvePair, WarnsOfAnInsideDiameterWithinTheBaseCircle) {
    const PairSolution solution = SolvePair(testing::InternalPair({20, 60, 10, 20, 0, 2.2, 5.0, 2.0}));
    ASSERT_EQ(solution.warnings.size(), 1u);
    EXPECT_EQ(solution.warnings[0], PairWarning::InsideDiameterWithinBaseCircle);
    EXPECT_TRUE(SolvePair(testing::InternalPair(kInternal20To60)).warnings.empty());
}

TEST(SolvePair, MeasuresOnlyWhenToolsAreAskedFor) {
    const GearPairState entered = testing::ExternalPair(kExternal20To40);
    EXPECT_FALSE(SolvePair(entered).measurements.has_value());
    PerMember<MeasurementChoice> choices;
    choices.pinion.pinDiameter = 0.2;
    const PairSolution solution = SolvePair(entered, choices);
    ASSERT_TRUE(solution.measurements.has_value());
    EXPECT_EQ(solution.measurements->members.pinion.pinDiameter, 0.2);
    EXPECT_EQ(solution.measurements->contactRatio, Remeasure(solution, choices).contactRatio);
}

TEST(FittingChoices, ASpanThePairCannotTakeGivesWayToTheDefault) {
    PerMember<MeasurementChoice> choices;
    choices.pinion = {0.2, 20}; // the 20-tooth pinion spans at most 19
    choices.gear.spanTeeth = 6;
    const PairSolution external = SolvePair(testing::ExternalPair(kExternal20To40));
    const PerMember<MeasurementChoice> fitted = FittingChoices(external, choices);
    EXPECT_EQ(fitted.pinion.pinDiameter, 0.2);
    EXPECT_FALSE(fitted.pinion.spanTeeth.has_value());
    EXPECT_EQ(fitted.gear.spanTeeth, 6);
    // The internal gear is measured between pins, over no span.
    const PairSolution internal = SolvePair(testing::InternalPair(kInternal20To60));
    EXPECT_FALSE(FittingChoices(internal, choices).gear.spanTeeth.has_value());
}

} // namespace
} // namespace korvanta
