// The stations along the path of contact, checked against the geometry they must satisfy.
#include <gtest/gtest.h>

#include <cmath>

#include "core/line_of_action.h"
#include "core/pair_solution.h"
#include "pair_fixtures.h"

namespace korvanta {
namespace {

using testing::PairEntry;

struct LineCase {
    const char* name;
    PairKind kind;
    PairEntry pair;
    bool singleToothZone;
};

class PathOfContact : public ::testing::TestWithParam<LineCase> {};

TEST_P(PathOfContact, RunsFromTheSAPToTheTipOfEachMemberAndAgreesWithTheMeasurements) {
    const LineCase& c = GetParam();
    const PairSolution solution =
        SolvePair(testing::EnteredPair(c.kind, c.pair), PerMember<MeasurementChoice>{});
    ASSERT_TRUE(solution.Complete());
    const LineOfAction line = LineOfActionOf(solution);
    const PairValues& values = solution.values;
    // A on the gear's tip circle and, without interference, on the pinion's SAP circle; E the other way
    // round.
    EXPECT_NEAR(line.start.diameter.gear, values.outsideDiameter.gear, 1e-6);
    EXPECT_NEAR(line.end.diameter.pinion, values.outsideDiameter.pinion, 1e-6);
    if (!solution.measurements->members.pinion.interference) {
        EXPECT_NEAR(line.start.diameter.pinion, solution.result.SAP.pinion, 1e-4);
        EXPECT_NEAR(line.end.diameter.gear, solution.result.SAP.gear, 1e-4);
    } else {
        EXPECT_LT(line.start.fromT1, 0.0);
    }
    EXPECT_NEAR(line.contactRatio, solution.measurements->contactRatio, 1e-5);
    ASSERT_EQ(line.lowestSingleContactOfPinion.has_value(), c.singleToothZone);
    if (c.singleToothZone) {
        const double zone =
            line.highestSingleContactOfPinion->fromT1 - line.lowestSingleContactOfPinion->fromT1;
        EXPECT_NEAR(zone, (2.0 - line.contactRatio) * line.basePitch, 1e-12);
    }
    // Every point lies on the involute of both members: r² = r_b² + L².
    for (const ContactPoint* point : {&line.start, &line.end, &line.pitchPoint}) {
        for (Member member : kMembers) {
            const double radius = point->diameter[member] / 2.0;
            const double base = values.baseDiameter[member] / 2.0;
            EXPECT_NEAR(radius * radius, base * base + point->rollLength[member] * point->rollLength[member],
                        1e-12);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, PathOfContact,
    ::testing::Values(
        LineCase{"External20To40", PairKind::External, {20, 40, 10, 20, 0, 2.2, 4.2, 3.0}, true},
        LineCase{"Helical", PairKind::External, {20, 40, 10, 20, 15, 2.3, 4.4, 3.2}, true},
        LineCase{"Internal20To60", PairKind::Internal, {20, 60, 10, 20, 0, 2.2, 5.8, 2.0}, true},
        LineCase{"ContactRatioBelowOne", PairKind::External, {20, 40, 10, 20, 0, 2.2, 4.2, 3.09}, false},
        LineCase{"ContactRatioAboveTwo", PairKind::External, {80, 120, 10, 14.5, 0, 8.2, 12.2, 10}, false}),
    [](const ::testing::TestParamInfo<LineCase>& param) { return std::string(param.param.name); });

TEST(Stations, TakeTheTableRollAnglesAndRunFromTheRootUpOnBothMembers) {
    const PairSolution solution = SolvePair(testing::ExternalPair({20, 40, 10, 20, 0, 2.2, 4.2, 3.0}));
    const LineOfAction line = LineOfActionOf(solution);
    for (Member member : kMembers) {
        const std::vector<StationValue> stations = StationsOf(solution, line, member);
        ASSERT_EQ(stations.size(), 7u);
        EXPECT_EQ(stations.front().rollAngle, solution.result.RollTIF[member].Value());
        EXPECT_EQ(stations[1].rollAngle, solution.result.RollSAP[member].Value());
        EXPECT_EQ(stations.back().rollAngle, solution.result.RollOD[member].Value());
        for (std::size_t i = 1; i < stations.size(); ++i) {
            EXPECT_LE(stations[i - 1].diameter, stations[i].diameter + 1e-6)
                << static_cast<int>(stations[i].station);
        }
    }
    // The pinion's lowest point of single tooth contact is B, the gear's is D.
    EXPECT_EQ(StationsOf(solution, line, Member::Pinion)[2].rollLength,
              line.lowestSingleContactOfPinion->rollLength.pinion);
    EXPECT_EQ(StationsOf(solution, line, Member::Gear)[2].rollLength,
              line.highestSingleContactOfPinion->rollLength.gear);
}

TEST(Stations, LeaveOutTheSingleToothContactZoneWhereThereIsNone) {
    const PairSolution solution = SolvePair(testing::ExternalPair({20, 40, 10, 20, 0, 2.2, 4.2, 3.09}));
    EXPECT_EQ(StationsOf(solution, LineOfActionOf(solution), Member::Pinion).size(), 5u);
}

TEST(Stations, AnEAPOnTheOutsideDiameterShowsTheTableRollAngleThere) {
    const PairSolution solution =
        SolvePair(testing::EnteredPair(PairKind::Internal, {20, 60, 10, 20, 0, 2.2, 5.8, 2.0}));
    const LineOfAction line = LineOfActionOf(solution);
    for (Member member : kMembers) {
        const std::vector<StationValue> stations = StationsOf(solution, line, member);
        const StationValue& eap = stations[stations.size() - 2];
        ASSERT_EQ(eap.station, Station::EAP);
        EXPECT_EQ(eap.diameter, solution.values.outsideDiameter[member].Value());
        EXPECT_EQ(eap.rollAngle, solution.result.RollOD[member].Value());
    }
}

} // namespace
} // namespace korvanta
