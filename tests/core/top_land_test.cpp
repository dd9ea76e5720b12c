#include <gtest/gtest.h>

#include <numbers>

#include "core/top_land.h"

namespace korvanta {
namespace {

using std::numbers::pi;

// One member of a measured pair, as far as its top land needs it: the rest of the pair is not read.
struct TopLandCase {
    const char* name;
    PairKind kind;
    Member member;
    double teeth, normalPitch, pressureAngle, helixAngle, tipDiameter;
    double toothThickness; // the internal gear's space width
    std::optional<double> topLand;
};

PairSolution MeasuredMember(const TopLandCase& c) {
    PairSolution solution;
    solution.kind = c.kind;
    solution.calculated.DP = c.normalPitch;
    solution.calculated.PA = c.pressureAngle;
    solution.calculated.HA = c.helixAngle;
    solution.values.teeth[c.member] = c.teeth;
    solution.values.outsideDiameter[c.member] = c.tipDiameter;
    solution.measurements.emplace().members[c.member].toothThickness = c.toothThickness;
    return solution;
}

class TopLand : public ::testing::TestWithParam<TopLandCase> {};

// The worked values: s_ta = d_a (s_t/d ± (inv φ_t − inv φ_a)), cos φ_a = d_b/d_a, s_na = s_ta cos ψ_a
// with tan ψ_a = tan ψ d_a/d, worked in double precision from the entries as stored in single precision.
TEST_P(TopLand, IsTheNormalToothThicknessAtTheOutsideDiameter) {
    const TopLandCase& c = GetParam();
    const std::optional<double> topLand = TopLandOf(MeasuredMember(c), c.member);
    ASSERT_EQ(topLand.has_value(), c.topLand.has_value());
    if (c.topLand) {
        EXPECT_NEAR(*topLand, *c.topLand, 1e-12);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Members, TopLand,
    ::testing::Values(TopLandCase{"SpurPinion", PairKind::External, Member::Pinion, 20, 10, 20, 0, 2.2,
                                  pi / 20, 0.0694879709468434},
                      TopLandCase{"PointedSpurPinion", PairKind::External, Member::Pinion, 20, 10, 20, 0,
                                  2.45, pi / 20, -0.11361774398048574},
                      TopLandCase{"HelicalGear", PairKind::External, Member::Gear, 17, 25.4, 20, 15, 0.78739,
                                  0.065, 0.021005031480867558},
                      TopLandCase{"InternalGear", PairKind::Internal, Member::Gear, 60, 10, 20, 0, 5.8,
                                  pi / 20, 0.09165586116155737},
                      // At its pitch diameter the internal gear's tooth is the circular pitch less the space.
                      TopLandCase{"InternalGearAtItsPitchDiameter", PairKind::Internal, Member::Gear, 60, 10,
                                  20, 0, 6.0, 0.1, pi / 10 - 0.1},
                      TopLandCase{"HelicalInternalGear", PairKind::Internal, Member::Gear, 70, 8, 25, 20, 9.1,
                                  0.2, 0.09687370746173193},
                      // Inside diameter 5.6 within the base circle of 6 cos 20° = 5.638: no involute there.
                      TopLandCase{"InsideDiameterWithinTheBaseCircle", PairKind::Internal, Member::Gear, 60,
                                  10, 20, 0, 5.6, pi / 20, std::nullopt}),
    [](const ::testing::TestParamInfo<TopLandCase>& param) { return std::string(param.param.name); });

TEST(TopLand, NeedsTheMeasurements) {
    PairSolution solution = MeasuredMember(
        {"SpurPinion", PairKind::External, Member::Pinion, 20, 10, 20, 0, 2.2, pi / 20, std::nullopt});
    solution.measurements.reset();
    EXPECT_FALSE(TopLandOf(solution, Member::Pinion).has_value());
}

} // namespace
} // namespace korvanta
