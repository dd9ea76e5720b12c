#include <bit>
#include <cmath>
#include <cstdint>

#include <gtest/gtest.h>

#include "core/angle_functions.h"
#include "core/arithmetic.h"
#include "core/internal_pair.h"
#include "core/number_text.h"
#include "pair_fixtures.h"

namespace korvanta {
namespace {

using testing::InternalPair;
using testing::PairEntry;

const PairEntry kStandard{20, 60, 10, 20, 0, 2.2, 5.8, 2.0};

TEST(CalcInternalPair, StandardPairRowByRow) {
    GearPairState s = InternalPair(kStandard);
    const PairResult r = CalcInternalPair(s);
    EXPECT_FALSE(r.Swapped);
    EXPECT_EQ(SingleGeneralText(s.NT1), "20");
    EXPECT_EQ(SingleGeneralText(s.NT2), "60");
    EXPECT_EQ(FiveDecimalText(s.DP), "10.00000");
    EXPECT_EQ(FiveDecimalText(s.PA), "20.00000");
    EXPECT_EQ(FiveDecimalText(s.HA), "0.00000");
    EXPECT_EQ(FiveDecimalText(s.TDP), "10.00000");
    EXPECT_EQ(FiveDecimalText(s.PD1), "2.00000");
    EXPECT_EQ(FiveDecimalText(s.PD2), "6.00000");
    EXPECT_EQ(PatternOfDoubleGeneral(s.DB1, 6), "1.879385");
    EXPECT_EQ(PatternOfDoubleGeneral(s.DB2, 6), "5.638156");
    EXPECT_EQ(FiveDecimalText(s.OD1), "2.20000");
    EXPECT_EQ(FiveDecimalText(s.OD2), "5.80000");
    EXPECT_EQ(FiveDecimalText(s.CD), "2.00000");
    EXPECT_EQ(PatternValue(r.OperatingPA, 4), "20.0000");
    EXPECT_EQ(PatternValue(r.ProfileOverlap, 4), "2.0000");
    EXPECT_EQ(PatternValue(r.X.pinion, 4), "0.0000");
    EXPECT_EQ(PatternValue(r.X.gear, 4), "0.0000");
    EXPECT_NE(r.X.pinion.Value(), 0.0f);
    EXPECT_NEAR(r.X.pinion, 6e-7, 1e-7);
    EXPECT_NEAR(r.X.gear, 6e-7, 1e-7);
    EXPECT_EQ(PatternValue(r.SAP.pinion, 4), "1.8794");
    EXPECT_EQ(PatternValue(r.SAP.gear, 4), "6.1723");
    EXPECT_EQ(r.TIF.pinion.Value(), r.SAP.pinion.Value());
    EXPECT_EQ(PatternValue(r.TIF.gear, 4), "6.1773");
    EXPECT_EQ(PatternValue(r.RollPD.pinion, 3), "20.854");
    EXPECT_EQ(PatternValue(r.RollPD.gear, 3), "20.854");
    EXPECT_EQ(PatternValue(r.RollOD.pinion, 3), "34.866");
    EXPECT_EQ(PatternValue(r.RollOD.gear, 3), "13.826");
    EXPECT_EQ(s.TPA.Value(), 20.0f);
    EXPECT_EQ(s.SAP1.Value(), r.SAP.pinion.Value());
    EXPECT_EQ(s.SAP2.Value(), r.SAP.gear.Value());
}

TEST(CalcInternalPair, WiderCenterDistance) {
    GearPairState s = InternalPair({20, 60, 10, 20, 0, 2.2, 5.8, 2.05});
    const PairResult r = CalcInternalPair(s);
    EXPECT_EQ(PatternValue(r.OperatingPA, 4), "23.5412");
    EXPECT_EQ(PatternValue(r.ProfileOverlap, 4), "2.5000");
    EXPECT_EQ(PatternValue(r.X.pinion, 4), "-0.2718");
    EXPECT_EQ(PatternValue(r.X.gear, 4), "0.2718");
    // X1 = (OD1 - P1) / 2 * DP + K / 2 - W / 2 and X2 - X1 = XD.
    const double k = 2.0 * r.X.pinion - (s.OD1 - s.PD1) * s.DP + r.ProfileOverlap;
    EXPECT_EQ(PatternValue(k, 5), "-0.04355");
    EXPECT_EQ(PatternValue(r.X.gear - r.X.pinion, 5), "0.54355");
    EXPECT_EQ(PatternValue(r.SAP.pinion, 4), "1.8997");
    EXPECT_EQ(PatternValue(r.SAP.gear, 4), "6.2868");
    EXPECT_EQ(PatternValue(r.TIF.pinion, 4), "1.8947");
    EXPECT_EQ(PatternValue(r.TIF.gear, 4), "6.2918");
    EXPECT_EQ(PatternValue(r.RollSAP.pinion, 3), "8.444");
    EXPECT_EQ(PatternValue(r.RollSAP.gear, 3), "28.263");
    EXPECT_EQ(PatternValue(r.RollTIF.pinion, 3), "7.326");
    EXPECT_EQ(PatternValue(r.RollTIF.gear, 3), "28.378");
}

TEST(CalcInternalPair, HelicalPairWithTheInsideDiameterBelowTheBaseCircle) {
    GearPairState s = InternalPair({18, 50, 8, 20, 15, 2.6, 6.0, 2.0});
    const Single enteredTPA = s.TPA;
    const PairResult r = CalcInternalPair(s);
    EXPECT_EQ(PatternValue(s.DB2, 4), "6.0549");
    EXPECT_GT(Single(s.DB2), s.OD2);
    EXPECT_EQ(PatternValue(s.TPA, 4), "20.6469");
    EXPECT_EQ(s.TPA.Value(), enteredTPA.Value());
    EXPECT_EQ(PatternValue(r.OperatingPA, 4), "14.3542");
    EXPECT_EQ(PatternValue(r.SAP.pinion, 4), "2.3947");
    EXPECT_EQ(PatternValue(r.SAP.gear, 4), "6.5165");
    EXPECT_EQ(PatternValue(r.TIF.pinion, 4), "2.3883");
    EXPECT_EQ(PatternValue(r.TIF.gear, 4), "6.5230");
    EXPECT_EQ(PatternValue(r.RollOD.gear, 3), "0.000");
}

TEST(CalcInternalPair, InsideDiameterOnTheBaseCircleOnlyAsASingle) {
    // DB2 rounds to the Single 11.15885 but lies just above it in double precision.
    GearPairState s = InternalPair({20, 95, 8, 20, 0, 2.75, 11.15885, 4.6875});
    ASSERT_EQ(Single(s.DB2).Value(), s.OD2.Value());
    ASSERT_GT(s.DB2, static_cast<double>(s.OD2));
    PairResult r;
    ASSERT_NO_THROW(r = CalcInternalPair(s));
    EXPECT_EQ(r.RollOD.gear.Value(), 0.0f);
    EXPECT_GT(r.SAP.gear, s.OD2);
}

TEST(CalcInternalPair, SpurPairEndsWithTheNormalPressureAngleAndHelicalWithTheTransverse) {
    GearPairState spur = InternalPair(kStandard);
    CalcInternalPair(spur);
    EXPECT_EQ(std::bit_cast<std::uint32_t>(spur.TPA.Value()), std::bit_cast<std::uint32_t>(spur.PA.Value()));

    GearPairState helical = InternalPair({20, 60, 10, 20, 20, 2.3, 6.3, 2.2});
    const Single entered = helical.TPA;
    CalcInternalPair(helical);
    EXPECT_EQ(helical.TPA.Value(), entered.Value());
    EXPECT_GT(helical.TPA, 21.0);
}

TEST(CalcInternalPair, SecondRunUsesTheSecondAngleConstantsAndShowsTheSameValues) {
    GearPairState s = InternalPair(kStandard);
    EXPECT_EQ(std::bit_cast<std::uint32_t>(s.DegToRad.Value()), 0x3C8EFA35u);
    const PairResult first = CalcInternalPair(s);
    EXPECT_EQ(std::bit_cast<std::uint32_t>(s.DegToRad.Value()), 0x3C8EFA34u);
    const PairResult second = CalcInternalPair(s);
    EXPECT_EQ(PatternValue(second.SAP.pinion, 4), PatternValue(first.SAP.pinion, 4));
    EXPECT_EQ(PatternValue(second.SAP.gear, 4), PatternValue(first.SAP.gear, 4));
    EXPECT_EQ(PatternValue(second.RollOD.pinion, 3), PatternValue(first.RollOD.pinion, 3));
    EXPECT_EQ(PatternOfDoubleGeneral(s.DB1, 6), "1.879385");
}

TEST(CalcInternalPair, ZeroCenterDistanceRaisesAfterTheRefresh) {
    GearPairState s = InternalPair({20, 60, 10, 20, 0, 2.2, 5.8, 0.0});
    s.TDP = 0.0;
    EXPECT_THROW(CalcInternalPair(s), ArithmeticError);
    EXPECT_EQ(s.TDP.Value(), 10.0f);
    EXPECT_EQ(s.SAP1.Value(), 0.0f);
}

TEST(CalcInternalPair, PinionTipInsideItsBaseCircleRaises) {
    GearPairState s = InternalPair({20, 60, 10, 20, 0, 1.8, 5.8, 2.0});
    EXPECT_THROW(CalcInternalPair(s), ArithmeticError);
}

// XD from the involutes of the operating and the transverse pressure angle:
// XD = (P2 - P1) * DP / 2 * (inv φ' - inv φt) / tan φt.
double CoefficientDifference(const GearPairState& s, const PairResult& r) {
    const double pitch = s.DP * std::cos(Radians(s.HA));
    const double standardDistance = (s.NT2 / pitch - s.NT1 / s.TDP) * s.DP / 2.0;
    const double transverse = Radians(Degrees(std::atan(std::tan(Radians(s.PA)) / std::cos(Radians(s.HA)))));
    const double operating = Radians(r.OperatingPA);
    const double involutes = (std::tan(operating) - operating) - (std::tan(transverse) - transverse);
    return standardDistance * involutes / std::tan(transverse);
}

TEST(CalcInternalPair, CoefficientDifferenceIsIndependentOfDiametersAndOverlap) {
    int checked = 0;
    for (double nt1 : {12.0, 18.0, 25.0}) {
        for (double nt2 : {40.0, 57.0, 90.0}) {
            for (double ha : {0.0, 12.5, 30.0}) {
                for (double shift : {-0.02, 0.0, 0.03, 0.08}) {
                    for (double dp : {4.0, 10.0}) {
                        const double tdp = dp * std::cos(Radians(ha));
                        const double cd = (nt2 - nt1) / tdp / 2.0 + shift / dp * 10.0;
                        GearPairState s =
                            InternalPair({nt1, nt2, dp, 20, ha, (nt1 + 2.4) / tdp, (nt2 - 1.7) / tdp, cd});
                        const PairResult r = CalcInternalPair(s);
                        EXPECT_NEAR(r.X.gear - r.X.pinion, CoefficientDifference(s, r), 1e-5)
                            << nt1 << "/" << nt2 << " HA " << ha << " DP " << dp << " CD " << cd;
                        ++checked;
                    }
                }
            }
        }
    }
    EXPECT_EQ(checked, 216);
}

} // namespace
} // namespace korvanta
