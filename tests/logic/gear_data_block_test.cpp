// The gear data block against values worked from the formulas (python3, double precision):
// 20 and 40 teeth, DP 10, 20°, spur, outside diameters 2.2 and 4.2, center distance 3.0: d = z / P,
// d_b = d cos 20°, p_bn = p_bt = π / P cos 20° = 0.29521, cos φ′ = (r_b1 + r_b2) / C gives 20°,
// T1T2 = C sin φ′; SAP = 2 √(r_b² + (T1T2 − L_mate)²) with L = ½ √(d_a² − d_b²): 1.88781 and 3.86700;
// TIF = SAP − 0.05 / P; ε = (L1 + L2 − T1T2) / p_bt = 1.635; tooth thickness π / (2P) = 0.15708; the
// ideal pin of contact at the pitch circle has φ_c = φ + π / (2z) and D = d_b (tan φ_c − tan φ):
// 0.17244 and 0.16967, over them d_b / cos φ_c + D = 2.23779 and 4.23084; the span over k teeth
// cos φ / P (π (k − ½) + z inv φ): 0.76604 over 3 and 1.38448 over 5; the top land
// d_a (s / d + inv φ − inv φ_a) with cos φ_a = d_b / d_a: 0.06949 and 0.07607.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "../core/pair_fixtures.h"
#include "core/normal_pitch.h"
#include "core/number_text.h"
#include "logic/calculate.h"
#include "logic/inspection_sheet.h"

namespace korvanta {
namespace {

const SheetRow* RowOf(const InspectionSheet& sheet, const std::string& caption) {
    for (const SheetRow& row : sheet.dataBlock) {
        if (row.caption == caption) {
            return &row;
        }
    }
    return nullptr;
}

InspectionSheet SheetOfPair(const GearPairState& entered, const SheetEntries& entries = {}) {
    return SheetOf(SolvePair(entered, PerMember<MeasurementChoice>{}), entries, {});
}

// A number of the block, with the unit its text ends in; the tolerance is a little more than half
// the text's last digit, as the program keeps its diameters as Singles.
struct NumberRow {
    const char* caption;
    double pinion;
    double gear;
    const char* unit;
    double tolerance;
};

constexpr double kLength = 1.5e-5;
const testing::PairEntry kKnownPair = {20, 40, 10, 20, 0, 2.2, 4.2, 3.0};

class KnownPairDataBlock : public ::testing::TestWithParam<NumberRow> {};

TEST_P(KnownPairDataBlock, ShowsTheNumberWorkedFromTheFormulasWithItsUnit) {
    const NumberRow& expected = GetParam();
    const InspectionSheet sheet = SheetOfPair(testing::ExternalPair(kKnownPair));
    const SheetRow* row = RowOf(sheet, expected.caption);
    ASSERT_NE(row, nullptr) << expected.caption;
    for (Member member : kMembers) {
        const std::string& text = row->texts[member];
        EXPECT_NEAR(LeadingNumber(text), member == Member::Pinion ? expected.pinion : expected.gear,
                    expected.tolerance)
            << text;
        EXPECT_TRUE(text.ends_with(expected.unit)) << text;
    }
}

const NumberRow kKnownPairRows[] = {
    {"Number of Teeth", 20, 40, "", 0},
    {"Normal Diametral Pitch", 10, 10, " 1/in", 0},
    {"Normal Module", 2.54, 2.54, " mm", 0},
    {"Normal Pressure Angle", 20, 20, "\xC2\xB0", 0},
    {"Transverse Pressure Angle", 20, 20, "\xC2\xB0", 0},
    {"Helix Angle", 0, 0, "\xC2\xB0", 0},
    {"Base Helix Angle", 0, 0, "\xC2\xB0", 0},
    {"Reference Pitch Diameter", 2, 4, " in", 0},
    {"Base Diameter", 1.879385, 3.758770, " in", 1.5e-6},
    {"Normal Base Pitch", 0.29521, 0.29521, " in", kLength},
    {"Transverse Base Pitch", 0.29521, 0.29521, " in", kLength},
    {"Outside Diameter", 2.2, 4.2, " in", 0},
    {"True Involute Form Diameter (TIF)", 1.88281, 3.86200, " in", kLength},
    {"Start of Active Profile (SAP)", 1.88781, 3.86700, " in", kLength},
    {"End of Active Profile (EAP)", 2.2, 4.2, " in", kLength},
    {"Profile Shift Coefficient (x)", 0, 0, "", 1e-4},
    {"Normal Tooth Thickness at Pitch Dia.", 0.15708, 0.15708, " in", kLength},
    {"Pin or Ball Diameter", 0.17244, 0.16967, " in", kLength},
    {"Measurement over Pins or Balls", 2.23779, 4.23084, " in", kLength},
    {"Number of Teeth Spanned", 3, 5, "", 0},
    {"Span Measurement", 0.76604, 1.38448, " in", kLength},
    {"Top Land (Normal)", 0.06949, 0.07607, " in", kLength},
    {"Center Distance", 3, 3, " in", 0},
    {"Operating Pressure Angle", 20, 20, "\xC2\xB0", 1e-4},
    {"Contact Ratio (Transverse)", 1.635, 1.635, "", 5e-4},
};

INSTANTIATE_TEST_SUITE_P(Rows, KnownPairDataBlock, ::testing::ValuesIn(kKnownPairRows),
                         [](const ::testing::TestParamInfo<NumberRow>& param) {
                             return "Row" + std::to_string(param.index);
                         });

// Every row of the block is one of those above, or the hand and the lead that a spur pair has not.
TEST(GearDataBlock, EveryRowOfTheKnownPairIsChecked) {
    const InspectionSheet sheet = SheetOfPair(testing::ExternalPair(kKnownPair));
    const PerMember<std::string> kNoValues = {"\xE2\x80\x94", "\xE2\x80\x94"};
    const auto caption = [](const NumberRow& row) { return std::string_view(row.caption); };
    for (const SheetRow& row : sheet.dataBlock) {
        const bool checked =
            std::ranges::find(kKnownPairRows, row.caption, caption) != std::end(kKnownPairRows);
        EXPECT_TRUE(checked || row.texts == kNoValues) << row.caption;
    }
    EXPECT_EQ(sheet.dataBlock.size(), std::size(kKnownPairRows) + 2);
}

// 20 and 40 teeth, DP 10, 15°: d = z / (P cos 15°) = 2.070552 and 4.141105; the lead π d / tan 15°
// = 24.27636 and 48.55273; tan φ_t = tan 20° / cos 15°, tan ψ_b = tan 15° cos φ_t: 14.0761°.
TEST(GearDataBlock, HelicalPairShowsLeadBaseHelixAndTheHandOfEachMember) {
    SheetEntries entries;
    entries.helixHand = HelixHand::Left;
    const InspectionSheet external =
        SheetOfPair(testing::ExternalPair({20, 40, 10, 20, 15, 2.3, 4.4, 3.2}), entries);
    EXPECT_NEAR(LeadingNumber(RowOf(external, "Lead")->texts.pinion), 24.27636, kLength);
    EXPECT_NEAR(LeadingNumber(RowOf(external, "Lead")->texts.gear), 48.55273, kLength);
    EXPECT_NEAR(LeadingNumber(RowOf(external, "Base Helix Angle")->texts.pinion), 14.0761, 1e-4);
    // The external gear meshes with the other hand, the internal gear with the same.
    EXPECT_EQ(RowOf(external, "Helix Hand")->texts, (PerMember<std::string>{"Left", "Right"}));
    const InspectionSheet internal =
        SheetOfPair(testing::InternalPair({18, 50, 8, 20, 15, 2.6, 6.0, 2.0}), entries);
    EXPECT_EQ(RowOf(internal, "Helix Hand")->texts, (PerMember<std::string>{"Left", "Left"}));
}

// Module 3, 12 and 24 teeth: the module is the pair's own pitch and comes first; 25.4 / 3 = 8.46667.
TEST(GearDataBlock, MetricPairShowsTheModuleFirstAndTheDiametralPitchAfter) {
    GearPairState state;
    SetStartUpConstants(state);
    state.Unit = LengthUnit::Millimetre;
    state.NT1 = 12;
    state.NT2 = 24;
    StoreNormalPitch(state, 3);
    ASSERT_FALSE(Calculate(state, PairKind::External, {"12", "24", "3", "20", "0", "44.84", "79.40", "56.5"})
                     .rejection.has_value());
    const InspectionSheet sheet = SheetOfPair(state);
    ASSERT_GE(sheet.dataBlock.size(), 3u);
    EXPECT_EQ(sheet.dataBlock[1].caption + " " + sheet.dataBlock[1].texts.pinion, "Normal Module 3.00000 mm");
    EXPECT_EQ(sheet.dataBlock[2].caption + " " + sheet.dataBlock[2].texts.gear,
              "Normal Diametral Pitch 8.46667 1/in");
    EXPECT_EQ(RowOf(sheet, "Center Distance")->texts.pinion, "56.50000 mm");
    EXPECT_EQ(sheet.charts.pinion.deviationUnit, "\xC2\xB5m");
}

} // namespace
} // namespace korvanta
