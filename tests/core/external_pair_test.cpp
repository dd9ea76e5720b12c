#include <bit>
#include <cstdint>

#include <gtest/gtest.h>

#include "core/arithmetic.h"
#include "core/external_pair.h"
#include "core/number_text.h"
#include "pair_fixtures.h"

namespace korvanta {
namespace {

using testing::ExternalPair;
using testing::PairEntry;

const PairEntry kStandard{20, 40, 10, 20, 0, 2.2, 4.2, 3.0};

TEST(CalcExternalPair, StandardSpurPair) {
    GearPairState s = ExternalPair(kStandard);
    const PairResult r = CalcExternalPair(s);
    EXPECT_FALSE(r.Swapped);
    EXPECT_EQ(PatternValue(r.OperatingPA, 6), "19.999996");
    EXPECT_EQ(PatternValue(r.ProfileOverlap, 4), "2.0000");
    EXPECT_NEAR(r.X.pinion, 0.0, 0.00001);
    EXPECT_NEAR(r.X.gear, 0.0, 0.00001);
    EXPECT_EQ(PatternValue(r.SAP.pinion, 4), "1.8878");
    EXPECT_EQ(PatternValue(r.SAP.gear, 4), "3.8670");
    EXPECT_EQ(PatternValue(r.TIF.pinion, 4), "1.8828");
    EXPECT_EQ(PatternValue(r.TIF.gear, 4), "3.8620");
    EXPECT_NEAR(r.SAP.pinion - r.TIF.pinion, 0.005, 1e-6);
    EXPECT_EQ(PatternValue(r.RollPD.pinion, 3), "20.854");
    EXPECT_EQ(PatternValue(r.RollPD.gear, 3), "20.854");
    EXPECT_EQ(s.TPA.Value(), 20.0f);
    EXPECT_EQ(s.SAP1.Value(), r.SAP.pinion.Value());
    EXPECT_EQ(s.SAP2.Value(), r.SAP.gear.Value());
}

TEST(CalcExternalPair, FirstRollAnglePutsTheRollAngleConstantsInForce) {
    GearPairState s = ExternalPair(kStandard);
    EXPECT_EQ(std::bit_cast<std::uint32_t>(s.DegToRad.Value()), 0x3C8EFA35u);
    CalcExternalPair(s);
    EXPECT_EQ(std::bit_cast<std::uint32_t>(s.DegToRad.Value()), 0x3C8EFA34u);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(s.Pi), 0x400921FB54524550u);
}

TEST(CalcExternalPair, LongAddendumPinionAtAWiderCenterDistance) {
    GearPairState s = ExternalPair({20, 40, 10, 20, 0, 2.3, 4.2, 3.05});
    const PairResult r = CalcExternalPair(s);
    EXPECT_EQ(PatternValue(r.ProfileOverlap, 4), "2.0000");
    EXPECT_EQ(PatternValue(r.X.pinion, 4), "0.5149");
    EXPECT_EQ(PatternValue(r.X.gear, 4), "0.0149");
    EXPECT_EQ(PatternValue(r.OperatingPA, 4), "22.4388");
    // X1 + X2 = (OD1 - PD1 + OD2 - PD2) / 2 * DP + k - W; the center-distance modification
    // (CD - (PD1 + PD2) / 2) * DP is 0.5.
    const double k = r.X.pinion + r.X.gear - (s.OD1 - s.PD1 + s.OD2 - s.PD2) / 2.0 * s.DP + r.ProfileOverlap;
    EXPECT_EQ(PatternValue(k, 5), "0.02977");
    const double sumX = k + (s.CD - (s.PD1 + s.PD2) / 2.0) * s.DP;
    EXPECT_EQ(PatternValue(sumX, 5), "0.52977");
}

TEST(CalcExternalPair, TakesTheSmallerOutsideDiameterAsPinionAndRestoresTheState) {
    GearPairState s = ExternalPair({40, 20, 10, 20, 0, 4.2, 2.2, 3.0});
    const GearPairState before = s;
    const PairResult r = CalcExternalPair(s);
    EXPECT_TRUE(r.Swapped);
    EXPECT_EQ(PatternValue(r.SAP.pinion, 4), "1.8878");
    EXPECT_EQ(PatternValue(r.SAP.gear, 4), "3.8670");
    EXPECT_EQ(s.NT1.Value(), 40.0f);
    EXPECT_EQ(s.OD1.Value(), 4.2f);
    EXPECT_EQ(s.PD1.Value(), before.PD1.Value());
    EXPECT_EQ(s.DB1, before.DB1);
    EXPECT_EQ(s.DB2, before.DB2);
    EXPECT_EQ(s.SAP1.Value(), r.SAP.pinion.Value());
}

TEST(CalcExternalPair, EqualOutsideDiametersAreNotExchanged) {
    GearPairState s = ExternalPair({30, 30, 10, 20, 0, 3.2, 3.2, 3.0});
    EXPECT_FALSE(CalcExternalPair(s).Swapped);
}

TEST(CalcExternalPair, HelicalPairKeepsTheTransversePressureAngle) {
    GearPairState s = ExternalPair({20, 40, 10, 20, 15, 2.3, 4.3, 3.2});
    const Single before = s.TPA;
    const PairResult r = CalcExternalPair(s);
    EXPECT_EQ(s.TPA.Value(), before.Value());
    EXPECT_GT(r.OperatingPA, 0.0);
}

TEST(ExternalPairCalculation, StagesLeaveTheStateExchangedOnlyBetweenOrientAndRestore) {
    GearPairState s = ExternalPair({40, 20, 10, 20, 0, 4.2, 2.2, 3.0});
    ExternalPairCalculation calculation(s);
    calculation.Orient();
    EXPECT_EQ(s.NT1.Value(), 20.0f);
    calculation.Geometry();
    calculation.RollAngles();
    EXPECT_EQ(PatternValue(calculation.Result().RollPD.pinion, 3), "20.854");
    calculation.Restore();
    EXPECT_EQ(s.NT1.Value(), 40.0f);
}

TEST(ExternalPairCalculation, AFaultLeavesTheEnteredOrientation) {
    // The gear's outside diameter lies inside its base circle (about 1.879): once it is taken as the
    // pinion, the tip length takes the square root of a negative number.
    GearPairState s = ExternalPair({40, 20, 10, 20, 0, 4.2, 1.8, 3.0});
    const GearPairState before = s;
    {
        ExternalPairCalculation calculation(s);
        calculation.Orient();
        EXPECT_EQ(s.OD1.Value(), 1.8f);
        EXPECT_THROW(calculation.Geometry(), ArithmeticError);
    }
    EXPECT_EQ(s.OD1.Value(), 4.2f);
    EXPECT_EQ(s.NT1.Value(), 40.0f);
    EXPECT_EQ(s.PD1.Value(), before.PD1.Value());
    EXPECT_EQ(s.DB1, before.DB1);
    EXPECT_EQ(s.SAP1.Value(), 0.0f);

    EXPECT_THROW(CalcExternalPair(s), ArithmeticError);
    EXPECT_EQ(s.OD2.Value(), 1.8f);
    EXPECT_EQ(s.DB2, before.DB2);
}

struct FormCase {
    double gearOutsideDiameter;
    double clearance;
};

class FormDiameterTest : public ::testing::TestWithParam<FormCase> {};

TEST_P(FormDiameterTest, TakesTheLargestClearanceThatStaysAboveTheBaseCircle) {
    // A larger gear tip moves the pinion's start of active profile down towards its base circle.
    GearPairState s = ExternalPair({20, 40, 10, 20, 0, 2.2, GetParam().gearOutsideDiameter, 3.0});
    const PairResult r = CalcExternalPair(s);
    EXPECT_NEAR(r.SAP.pinion - r.TIF.pinion, GetParam().clearance, 1e-6);
    if (GetParam().clearance > 0.0) {
        EXPECT_GT(r.TIF.pinion, Single(s.DB1));
    } else {
        EXPECT_EQ(r.TIF.pinion.Value(), r.SAP.pinion.Value());
    }
}

INSTANTIATE_TEST_SUITE_P(GearTips, FormDiameterTest,
                         ::testing::Values(FormCase{4.2, 0.005}, FormCase{4.22, 0.0025},
                                           FormCase{4.24, 0.00125}, FormCase{4.26, 0.0}));

TEST(CalcExternalPair, ZeroCenterDistanceRaises) {
    GearPairState s = ExternalPair({20, 40, 10, 20, 0, 2.2, 4.2, 0.0});
    EXPECT_THROW(CalcExternalPair(s), ArithmeticError);
}

} // namespace
} // namespace korvanta
