#include <gtest/gtest.h>

#include <string_view>

#include "logic/row_tooltips.h"

namespace korvanta {
namespace {

TEST(RowTooltips, EveryRowHasOneLineAndProfileOverlapPointsToTheContactRatio) {
    for (LengthUnit unit : {LengthUnit::Inch, LengthUnit::Millimetre}) {
        for (int row = 0; row < kOutputRowCount; ++row) {
            const std::string_view tooltip = RowTooltip(static_cast<OutputRow>(row), unit);
            EXPECT_FALSE(tooltip.empty()) << row;
            EXPECT_EQ(tooltip.find('\n'), std::string_view::npos) << row;
        }
        const std::string_view overlap = RowTooltip(OutputRow::ProfileOverlap, unit);
        EXPECT_NE(overlap.find("contact ratio"), std::string_view::npos);
        EXPECT_NE(overlap.find("\"Inspection Measurements\""), std::string_view::npos);
    }
}

TEST(RowTooltips, AMetricPairsPitchRowsSpeakOfTheModuleAndNoneOfInches) {
    EXPECT_NE(RowTooltip(OutputRow::DiametralPitch, LengthUnit::Millimetre).find("module"),
              std::string_view::npos);
    EXPECT_NE(RowTooltip(OutputRow::TransverseDiametralPitch, LengthUnit::Millimetre).find("module"),
              std::string_view::npos);
    for (int row = 0; row < kOutputRowCount; ++row) {
        const std::string_view tooltip = RowTooltip(static_cast<OutputRow>(row), LengthUnit::Millimetre);
        EXPECT_EQ(tooltip.find("inch"), std::string_view::npos) << row;
        EXPECT_EQ(tooltip.find("DP"), std::string_view::npos) << row;
    }
}

} // namespace
} // namespace korvanta
