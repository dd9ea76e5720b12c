#include <gtest/gtest.h>

#include "core/gear_pair_state.h"
#include "core/number_text.h"
#include "core/transverse_values.h"

namespace korvanta {
namespace {

TEST(DeriveTransverseValues, StandardSpurPair) {
    GearPairState s;
    SetStartUpConstants(s);
    s.NT1 = 20;
    s.NT2 = 40;
    s.DP = 10;
    s.PA = 20;
    DeriveTransverseValues(s);
    EXPECT_EQ(s.TDP, Single(10.0));
    EXPECT_EQ(s.PD1, Single(2.0));
    EXPECT_EQ(s.PD2, Single(4.0));
    // Radians and Degrees use constants that are not exact reciprocals.
    EXPECT_EQ(PatternValue(s.TPA, 6), "19.999996");
    EXPECT_NE(s.TPA.Value(), 20.0f);
    EXPECT_EQ(PatternOfDoubleGeneral(s.DB1, 6), "1.879385");
    EXPECT_EQ(PatternOfDoubleGeneral(s.DB2, 6), "3.758771");
}

} // namespace
} // namespace korvanta
