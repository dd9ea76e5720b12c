#include <bit>
#include <cmath>
#include <cstdint>

#include <gtest/gtest.h>

#include "core/angle_functions.h"
#include "core/arithmetic.h"
#include "core/gear_pair_state.h"
#include "core/number_text.h"

namespace korvanta {
namespace {

std::uint32_t Bits(Single value) {
    return std::bit_cast<std::uint32_t>(value.Value());
}
std::uint64_t Bits(double value) {
    return std::bit_cast<std::uint64_t>(value);
}

TEST(AngleConstants, StartUpSetAndTheRollAngleSet) {
    GearPairState state;
    SetStartUpConstants(state);
    EXPECT_EQ(Bits(state.Pi), 0x400921FB53C8D4F1u);
    EXPECT_EQ(Bits(state.DegToRad), 0x3C8EFA35u);
    EXPECT_EQ(Bits(state.RadToDeg), 0x42652EE1u);

    SwitchToRollAngleConstants(state);
    EXPECT_EQ(Bits(state.Pi), 0x400921FB54524550u);
    EXPECT_EQ(Bits(state.DegToRad), 0x3C8EFA34u);
    EXPECT_EQ(Bits(state.RadToDeg), 0x42652EE1u);
}

TEST(Conversions, UseTheirOwnInexactConstants) {
    EXPECT_EQ(Radians(180.0), 180.0 * 0.01745329);
    EXPECT_NEAR(Radians(180.0), 3.1415922, 1e-7);
    EXPECT_NE(Degrees(Radians(180.0)), 180.0);
    EXPECT_EQ(Degrees(1.0), 57.29577951);
}

TEST(ArcCos, IsZeroFromOneUpAndAQuarterTurnAtZero) {
    EXPECT_EQ(ArcCos(Single(1.0)), 0.0);
    EXPECT_EQ(ArcCos(Single(1.2)), 0.0);
    EXPECT_EQ(ArcCos(1.0), 0.0);
    EXPECT_EQ(ArcCos(Single(0.0)), 2.0 * std::atan(1.0));
    EXPECT_EQ(ArcCos(0.0), 2.0 * std::atan(1.0));
    EXPECT_NEAR(ArcCos(0.5), std::acos(0.5), 1e-15);
}

TEST(ArcCos, FormsTheInnerTermOfASingleInSinglePrecision) {
    // 1 - x² of the float nearest 0.9396926 differs between single and double precision; native
    // float arithmetic rounds the square and the sum just as the two Single stores do.
    const Single x = 0.9396926;
    const float xf = x.Value();
    const float square = -xf * xf;
    const float inner = square + 1.0f;
    const double expected = std::atan(-x / std::sqrt(static_cast<double>(inner))) + 2.0 * std::atan(1.0);
    EXPECT_EQ(ArcCos(x), expected);
    EXPECT_NE(ArcCos(x), ArcCos(static_cast<double>(x)));
}

TEST(ArcCos, RaisesAtMinusOneAndBelow) {
    EXPECT_THROW(ArcCos(Single(-1.0)), ArithmeticError);
    EXPECT_THROW(ArcCos(Single(-1.5)), ArithmeticError);
    EXPECT_THROW(ArcCos(-1.0), ArithmeticError);
    EXPECT_THROW(ArcCos(-1.0000001), ArithmeticError);
    EXPECT_NEAR(ArcCos(-0.5), std::acos(-0.5), 1e-15);
}

TEST(RollAngle, IsTanOfThePressureAngleInDegrees) {
    EXPECT_EQ(PatternValue(RollAngle(1.8793852, 2.0), 3), "20.854");
    EXPECT_EQ(RollAngle(2.0, 2.0).Value(), 0.0f);
    EXPECT_EQ(RollAngle(2.0, 1.5).Value(), 0.0f);
}

TEST(RollAngle, RaisesForAZeroDiameter) {
    EXPECT_THROW(RollAngle(1.0, 0.0), ArithmeticError);
}

} // namespace
} // namespace korvanta
