#include <gtest/gtest.h>

#include <string_view>

#include "logic/row_tooltips.h"

namespace korvanta {
namespace {

TEST(RowTooltips, EveryRowHasOneLineAndProfileOverlapPointsToTheContactRatio) {
    for (int row = 0; row < kOutputRowCount; ++row) {
        const std::string_view tooltip = RowTooltip(static_cast<OutputRow>(row));
        EXPECT_FALSE(tooltip.empty()) << row;
        EXPECT_EQ(tooltip.find('\n'), std::string_view::npos) << row;
    }
    const std::string_view overlap = RowTooltip(OutputRow::ProfileOverlap);
    EXPECT_NE(overlap.find("contact ratio"), std::string_view::npos);
    EXPECT_NE(overlap.find("\"Inspection Measurements\""), std::string_view::npos);
}

} // namespace
} // namespace korvanta
