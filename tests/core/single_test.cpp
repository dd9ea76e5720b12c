#include <cfloat>
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "core/arithmetic.h"
#include "core/single.h"

namespace korvanta {
namespace {

TEST(Single, RoundsToFloatWhenStored) {
    const Single s = 0.1;
    EXPECT_EQ(s.Value(), 0.1f);
    EXPECT_NE(static_cast<double>(s), 0.1);
}

TEST(Single, SumOfTwoSinglesIsFormedInDoublePrecision) {
    const Single a = 16777216.0;
    const Single b = 1.0;
    EXPECT_EQ(a + b, 16777217.0);
    const Single stored = a + b;
    EXPECT_EQ(static_cast<double>(stored), 16777216.0);
}

TEST(Single, AcceptsEverythingThatRoundsToTheLargestFloat) {
    const double belowMidpoint = std::nextafter(0x1.ffffffp127, 0.0);
    EXPECT_EQ(Single(belowMidpoint).Value(), FLT_MAX);
    EXPECT_EQ(Single(-belowMidpoint).Value(), -FLT_MAX);
    EXPECT_EQ(Single(1e-50).Value(), 0.0f);
}

TEST(Single, RaisesForValuesThatWouldRoundToInfinityOrAreNotNumbers) {
    EXPECT_THROW(Single(0x1.ffffffp127), ArithmeticError);
    EXPECT_THROW(Single(-1e39), ArithmeticError);
    EXPECT_THROW(Single(std::numeric_limits<double>::infinity()), ArithmeticError);
    EXPECT_THROW(Single(std::numeric_limits<double>::quiet_NaN()), ArithmeticError);
}

TEST(Arithmetic, DivideRaisesForAZeroDivisorAndAnOverflow) {
    EXPECT_EQ(Divide(1.0, 4.0), 0.25);
    EXPECT_THROW(Divide(1.0, 0.0), ArithmeticError);
    EXPECT_THROW(Divide(0.0, -0.0), ArithmeticError);
    EXPECT_THROW(Divide(1e300, 1e-300), ArithmeticError);
}

TEST(Arithmetic, SquareRootRaisesForANegativeOperand) {
    EXPECT_EQ(SquareRoot(2.25), 1.5);
    EXPECT_EQ(SquareRoot(0.0), 0.0);
    EXPECT_THROW(SquareRoot(-1e-300), ArithmeticError);
}

TEST(Arithmetic, CheckedDoubleRaisesForANonFiniteValue) {
    EXPECT_EQ(CheckedDouble(1e308), 1e308);
    EXPECT_THROW(CheckedDouble(std::numeric_limits<double>::infinity()), ArithmeticError);
    EXPECT_THROW(CheckedDouble(std::numeric_limits<double>::quiet_NaN()), ArithmeticError);
}

} // namespace
} // namespace korvanta
