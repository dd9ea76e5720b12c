#include <gtest/gtest.h>

#include "core/angles_at_diameter.h"
#include "core/arithmetic.h"
#include "core/number_text.h"

namespace korvanta {
namespace {

// The diagram is reached from an output window, whose roll angles have put the second constants in force.
GearPairState AfterAnOutputWindow() {
    GearPairState s;
    SetStartUpConstants(s);
    SwitchToRollAngleConstants(s);
    s.DB1 = 1.8793852;
    s.DB2 = 3.7587704;
    return s;
}

TEST(AnglesAtDiameter, PinionAtItsPitchDiameter) {
    const GearPairState s = AfterAnOutputWindow();
    const std::string T = "2.00000";
    const AnglesAt a = AnglesAtDiameter(s, Member::Pinion, LeadingNumber(T));
    EXPECT_EQ(PressureAngleSentence(T, a.pressure), "Pressure Angle at 2.00000 is 20.0000\xC2\xB0");
    EXPECT_EQ(RollAngleSentence(T, a.roll), "Roll Angle to 2.00000 is 20.854\xC2\xB0");
}

TEST(AnglesAtDiameter, GearUsesItsOwnBaseDiameter) {
    const GearPairState s = AfterAnOutputWindow();
    const AnglesAt a = AnglesAtDiameter(s, Member::Gear, 4.0);
    EXPECT_EQ(PatternValue(a.pressure, 4), "20.0000");
    EXPECT_EQ(PatternValue(a.roll, 3), "20.854");
}

TEST(AnglesAtDiameter, AtOrInsideTheBaseCircleBothAnglesAreZero) {
    const GearPairState s = AfterAnOutputWindow();
    for (double d : {1.8793852, 1.5}) {
        const AnglesAt a = AnglesAtDiameter(s, Member::Pinion, d);
        EXPECT_EQ(a.pressure.Value(), 0.0f);
        EXPECT_EQ(a.roll.Value(), 0.0f);
        EXPECT_EQ(RollAngleSentence("1.50000", a.roll), "Roll Angle to 1.50000 is 0.000\xC2\xB0");
    }
}

TEST(AnglesAtDiameter, ZeroDiameterRaises) {
    const GearPairState s = AfterAnOutputWindow();
    EXPECT_THROW(AnglesAtDiameter(s, Member::Pinion, 0.0), ArithmeticError);
}

TEST(AngleSentences, InsertTheDiameterTextAsShown) {
    EXPECT_EQ(PressureAngleSentence("2.5.1", 21.23456), "Pressure Angle at 2.5.1 is 21.2346\xC2\xB0");
    EXPECT_EQ(RollAngleSentence("", 3.0625), "Roll Angle to  is 3.063\xC2\xB0");
}

} // namespace
} // namespace korvanta
