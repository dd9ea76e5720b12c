// Worked from the class-5 formulas: d = 100 mm, m_n = 2 mm, b = 20 mm.
#include <gtest/gtest.h>

#include "core/iso_tolerances.h"

namespace korvanta {
namespace {

ToleranceEntries Entries(int accuracyClass) {
    return {accuracyClass, 50, 100.0, 2.0, 20.0, 0.0};
}

TEST(Tolerances, ClassFiveFromTheFormulas) {
    const Tolerances t = TolerancesOf(Entries(5));
    EXPECT_DOUBLE_EQ(t.singlePitch, 6.0);           // 0.1 + 0.8 + 5 = 5.9
    EXPECT_DOUBLE_EQ(t.totalCumulativePitch, 19.0); // 0.2 + 5.5 + 1.4 + 12 = 19.1
    EXPECT_DOUBLE_EQ(t.profileSlope, 4.9);          // 0.8 + 0.1 + 4
    EXPECT_DOUBLE_EQ(t.profileForm, 6.0);           // 1.1 + 5 = 6.1
    EXPECT_DOUBLE_EQ(t.totalProfile, 8.0);          // √(4.9² + 6.1²) = 7.824
    EXPECT_DOUBLE_EQ(t.helixSlope, 6.0);            // 0.5 + 0.35√20 + 4 = 6.065
    EXPECT_DOUBLE_EQ(t.helixForm, 6.5);             // 0.7 + 0.45√20 + 4 = 6.712
    EXPECT_DOUBLE_EQ(t.totalHelix, 9.0);            // √(6.065² + 6.712²) = 9.047
    EXPECT_FALSE(t.OutsideRange());
}

// Two classes coarser is twice the class-5 value, rounded after.
TEST(Tolerances, ClassSevenIsTwiceClassFive) {
    const Tolerances t = TolerancesOf(Entries(7));
    EXPECT_DOUBLE_EQ(t.singlePitch, 12.0);          // 11.8
    EXPECT_DOUBLE_EQ(t.totalCumulativePitch, 38.0); // 38.2
    EXPECT_DOUBLE_EQ(t.profileSlope, 10.0);         // 9.8 to half a micrometre
    EXPECT_DOUBLE_EQ(t.totalProfile, 16.0);         // 15.649
    EXPECT_DOUBLE_EQ(t.totalHelix, 18.0);           // 18.094
}

TEST(Tolerances, RoundingStepsChangeAtFiveAndTenMicrometres) {
    const struct {
        double value, shown;
    } cases[] = {{10.6, 11.0}, {10.4, 10.0}, {10.0, 10.0}, {9.76, 10.0}, {9.74, 9.5},
                 {5.0, 5.0},   {4.96, 5.0},  {4.94, 4.9},  {0.04, 0.0}};
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(RoundedTolerance(c.value), c.shown) << c.value;
    }
}

TEST(Tolerances, EntriesOutsideTheRangeOfTheFormulasAreMarked) {
    ToleranceEntries e = Entries(5);
    e.teeth = 4;
    e.helixAngle = 46;
    const Tolerances t = TolerancesOf(e);
    EXPECT_TRUE(t.teethOutsideRange);
    EXPECT_TRUE(t.helixOutsideRange);
    EXPECT_FALSE(t.diameterOutsideRange);
    EXPECT_DOUBLE_EQ(t.singlePitch, 6.0);
    e = Entries(5);
    e.normalModule = 0.4;
    e.faceWidth = 3;
    e.referenceDiameter = 4;
    const Tolerances small = TolerancesOf(e);
    EXPECT_TRUE(small.moduleOutsideRange && small.faceWidthOutsideRange && small.diameterOutsideRange);
}

} // namespace
} // namespace korvanta
