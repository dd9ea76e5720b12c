#include <gtest/gtest.h>

#include <cstdint>

#include "core/arithmetic.h"
#include "logic/print_placement.h"

namespace korvanta {
namespace {

// A client area of 749 x 582 pixels, fifteen units per pixel.
constexpr double kPictureWidth = 11235;
constexpr double kPictureHeight = 8730;

TEST(PrintPlacement, PortraitPageIsLimitedByItsWidth) {
    const PrintPlacement placement = PlaceScaled(kPictureWidth, kPictureHeight, 12240, 15840, 90, 40, 30);
    EXPECT_FLOAT_EQ(placement.ratio.Value(), 0.9805073f);
    EXPECT_EQ(placement.x, 490);
    EXPECT_EQ(placement.y, 2184);
    EXPECT_NEAR(placement.width, 11016.0, 0.05);
    EXPECT_NEAR(placement.height, 8559.8, 0.05);
}

TEST(PrintPlacement, LandscapePageIsLimitedByItsHeight) {
    const PrintPlacement placement = PlaceScaled(kPictureWidth, kPictureHeight, 15840, 12240, 90, 40, 30);
    EXPECT_FLOAT_EQ(placement.ratio.Value(), 1.2618556f);
    EXPECT_EQ(placement.x, 665);
    EXPECT_EQ(placement.y, 367);
    EXPECT_NEAR(placement.width, 14176.9, 0.05);
    EXPECT_NEAR(placement.height, 11016.0, 0.05);
}

TEST(PrintPlacement, RatioIsHeldAsSingle) {
    const PrintPlacement placement = PlaceScaled(kPictureWidth, kPictureHeight, 12240, 15840, 90, 40, 30);
    // 12240 * 0.9 / 11235 in double differs from its Single in the eighth digit.
    EXPECT_NE(static_cast<double>(placement.ratio), 12240 * 0.9 / 11235);
    EXPECT_EQ(static_cast<double>(placement.ratio),
              static_cast<double>(static_cast<float>(12240 * 0.9f / 11235.0)));
}

TEST(PrintPlacement, MarginsSplitTheSpaceLeftOverByTheShares) {
    // A picture 100 x 100 on a page 1000 x 2000 at 50 %: 500 x 500, 500 and 1500 left over.
    const PrintPlacement placement = PlaceScaled(100, 100, 1000, 2000, 50, 40, 30);
    EXPECT_DOUBLE_EQ(placement.width, 500.0);
    EXPECT_DOUBLE_EQ(placement.height, 500.0);
    EXPECT_EQ(placement.x, 200);
    EXPECT_EQ(placement.y, 450);
}

TEST(PrintPlacement, EqualLimitsKeepTheWidthRatio) {
    const PrintPlacement placement = PlaceScaled(200, 100, 2000, 1000, 90, 0, 0);
    EXPECT_FLOAT_EQ(placement.ratio.Value(), 9.0f);
    EXPECT_EQ(placement.x, 0);
    EXPECT_EQ(placement.y, 0);
}

struct TieCase {
    double pageWidth;
    std::int16_t expectedX;
};

class PrintPlacementTie : public ::testing::TestWithParam<TieCase> {};

TEST_P(PrintPlacementTie, HalfwayPositionsRoundToTheEvenNumber) {
    // A 1 x 1 picture scaled to 0 % leaves the whole width; 100 % of it is the position itself.
    // With a share of 50 % the horizontal position is half the page width.
    const PrintPlacement placement = PlaceScaled(1, 1000, GetParam().pageWidth, 1000, 0, 50, 0);
    EXPECT_EQ(placement.x, GetParam().expectedX);
}

INSTANTIATE_TEST_SUITE_P(Ties, PrintPlacementTie,
                         ::testing::Values(TieCase{5, 2}, TieCase{7, 4}, TieCase{9, 4}, TieCase{11, 6}));

TEST(PrintPlacement, PictureWithoutWidthIsAnArithmeticFault) {
    EXPECT_THROW(PlaceScaled(0, 100, 12240, 15840, 90, 40, 30), ArithmeticError);
}

TEST(PrintPlacement, PositionBeyondIntegerRangeIsAnArithmeticFault) {
    EXPECT_THROW(PlaceScaled(1, 1, 200000, 100, 1, 50, 0), ArithmeticError);
}

} // namespace
} // namespace korvanta
