#include <gtest/gtest.h>

#include <string>

#include "core/input_field.h"
#include "logic/field_tooltips.h"

namespace korvanta {
namespace {

// One line each, in the pair's own unit: a metric pair's tooltips speak of millimetres and the module,
// never of inches or the diametral pitch, and the other way round.
TEST(FieldTooltips, EveryFieldAndMeasurementRowHasOneLineInThePairsUnit) {
    for (LengthUnit unit : {LengthUnit::Inch, LengthUnit::Millimetre}) {
        const bool metric = unit == LengthUnit::Millimetre;
        std::vector<std::string> tooltips;
        for (InputField field : kInputFields) {
            tooltips.push_back(InputFieldTooltip(field, unit));
        }
        for (std::size_t row = 0; row < 11; ++row) {
            tooltips.push_back(MeasurementRowTooltip(row, unit));
        }
        for (const std::string& tooltip : tooltips) {
            EXPECT_FALSE(tooltip.empty());
            EXPECT_EQ(tooltip.find('\n'), std::string::npos) << tooltip;
            EXPECT_EQ(tooltip.find("{unit}"), std::string::npos) << tooltip;
            EXPECT_EQ(tooltip.find(metric ? "inch" : "millimetre"), std::string::npos) << tooltip;
        }
        EXPECT_NE(InputFieldTooltip(InputField::CD, unit).find(metric ? "millimetres" : "inches"),
                  std::string::npos);
        EXPECT_NE(InputFieldTooltip(InputField::DP, unit).find(metric ? "module" : "diametral pitch"),
                  std::string::npos);
    }
    EXPECT_NE(MeasurementRowTooltip(0, LengthUnit::Inch).find("Profile Overlap"), std::string::npos);
}

} // namespace
} // namespace korvanta
