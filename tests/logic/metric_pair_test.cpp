#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "activated_table.h"
#include "core/gear_pair_state.h"
#include "core/normal_pitch.h"
#include "logic/calculate.h"
#include "logic/diagram_boxes.h"
#include "logic/diameter_command.h"
#include "logic/measurement_form.h"
#include "logic/output_table.h"

namespace korvanta {
namespace {

using R = OutputRow;

// The state as Calculate leaves it for the entered texts (NT1, NT2, pitch, PA, HA, OD1, OD2, CD), the
// pitch field holding the module of a metric pair.
GearPairState Calculated(LengthUnit unit, PairKind kind, const FieldTexts& texts) {
    GearPairState state;
    SetStartUpConstants(state);
    state.Unit = unit;
    state.NT1 = std::stod(texts[0]);
    state.NT2 = std::stod(texts[1]);
    StoreNormalPitch(state, std::stod(texts[2]));
    const CalculateOutcome outcome = Calculate(state, kind, texts);
    EXPECT_FALSE(outcome.rejection.has_value()) << outcome.rejection->text;
    return state;
}

OutputTable Filled(LengthUnit unit, PairKind kind, const FieldTexts& texts) {
    GearPairState state = Calculated(unit, kind, texts);
    OutputTable table = kind == PairKind::External ? NewExternalTable() : NewInternalTable();
    if (kind == PairKind::External) {
        ActivateTable(state, table);
    } else {
        ActivateTable(state, table);
    }
    EXPECT_FALSE(table.fault.has_value());
    return table;
}

TEST(MetricPair, PublishedProfileShiftedSpurPairInMillimetres) {
    // Module 3, 12 and 24 teeth, 20°, outside diameters 44.84 and 79.40 mm, center distance 56.5 mm.
    const OutputTable table = Filled(LengthUnit::Millimetre, PairKind::External,
                                     {"12", "24", "3", "20", "0", "44.84", "79.40", "56.5"});
    EXPECT_EQ(table.title, "Korvanta Output Data (mm)");
    EXPECT_EQ(table[R::DiametralPitch].caption, "Normal Module");
    EXPECT_EQ(table[R::TransverseDiametralPitch].caption, "Transverse Module");
    EXPECT_EQ(table[R::DiametralPitch].pinion, "3.00000");
    EXPECT_EQ(table[R::OperatingPressureAngle].pinion, "26.0888°");
    EXPECT_EQ(table[R::ModificationCoefficient].pinion, "0.6000");
    EXPECT_EQ(table[R::ModificationCoefficient].gear, "0.3600");
    EXPECT_NEAR(std::stod(table[R::BaseDiameter].pinion), 33.8289, 0.00005);
    EXPECT_NEAR(std::stod(table[R::BaseDiameter].gear), 67.6579, 0.00005);
    EXPECT_EQ(table[R::PitchDiameter].pinion, "36.00000");
    EXPECT_EQ(table[R::CenterDistance].pinion, "56.50000");
}

TEST(MetricPair, MeasurementsAreInMillimetresToFourDecimals) {
    const GearPairState state = Calculated(LengthUnit::Millimetre, PairKind::External,
                                           {"12", "24", "3", "20", "0", "44.84", "79.40", "56.5"});
    const PairSolution solution = SolvePair(state, PerMember<MeasurementChoice>{});
    ASSERT_TRUE(solution.measurements.has_value());
    const PairMeasurementTexts texts = MeasurementTexts(*solution.measurements);
    // s = m (π/2 + 2 x tan α), to four decimals of a millimetre.
    const double pi = std::acos(-1.0);
    const double thickness = 3 * (pi / 2 + 2 * solution.result.X.pinion * std::tan(20 * pi / 180));
    EXPECT_EQ(texts.members.pinion.toothThickness.size(), 6U);
    EXPECT_NEAR(std::stod(texts.members.pinion.toothThickness), thickness, 0.00005);
    EXPECT_EQ(texts.members.gear.span.find('.'), texts.members.gear.span.size() - 5);
}

TEST(MetricPair, DiagramNamesTheModuleAndGivesTheDiameterInMillimetres) {
    const GearPairState state = Calculated(LengthUnit::Millimetre, PairKind::External,
                                           {"12", "24", "3", "20", "0", "44.84", "79.40", "56.5"});
    const DiagramBoxes boxes = FillDiagramBoxes(state, Member::Pinion);
    EXPECT_EQ(boxes.pitchCaption, "Module");
    EXPECT_EQ(boxes.transversePitch, "3.000000");
    EXPECT_EQ(boxes.pitchDiameter, "36.000000 DIA.");
    const DiameterCommandOutcome outcome =
        RunDiameterCommand(state, "40.00000", [](const Message&) { return true; });
    EXPECT_EQ(outcome.pressureSentence.rfind("Pressure Angle at 40.00000 mm is ", 0), 0U);
    EXPECT_EQ(outcome.rollSentence.rfind("Roll Angle to 40.00000 mm is ", 0), 0U);
}

TEST(MetricPair, HelicalPairShowsTheTransverseModuleAndASpurInternalPairTheModule) {
    // 3 / cos 20° = 3.192533 mm.
    const OutputTable helical =
        Filled(LengthUnit::Millimetre, PairKind::External, {"20", "40", "3", "20", "20", "71", "134", "97"});
    EXPECT_EQ(helical[R::TransverseDiametralPitch].pinion, "3.19253");
    const OutputTable internal =
        Filled(LengthUnit::Millimetre, PairKind::Internal, {"20", "60", "2.5", "20", "0", "55", "145", "50"});
    EXPECT_EQ(internal[R::DiametralPitch].caption, "Module");
    EXPECT_EQ(internal[R::DiametralPitch].pinion, "2.50000");
    EXPECT_EQ(internal.title, "Korvanta Output Data (mm)");
}

TEST(MetricPair, RejectionsNameTheModule) {
    GearPairState state;
    SetStartUpConstants(state);
    state.Unit = LengthUnit::Millimetre;
    const CalculateOutcome outcome =
        Calculate(state, PairKind::External, {"12", "24", "", "20", "0", "44.84", "79.40", "56.5"});
    ASSERT_TRUE(outcome.rejection.has_value());
    EXPECT_EQ(outcome.rejection->text, "Enter the Normal Module");

    // A module so large that the pitch diameters leave the range of a Single.
    const FieldTexts huge = {"12", "24", "100000000000000000000000000000000000000", "20", "0", "1", "2", "3"};
    StoreNormalPitch(state, std::stod(huge[2]));
    const CalculateOutcome fault = Calculate(state, PairKind::External, huge);
    ASSERT_TRUE(fault.rejection.has_value());
    EXPECT_EQ(fault.rejection->text,
              "These entries cannot be calculated: a value is out of range. Please check "
              "the Module and the other input data.");
}

// The same pair entered in inches and in millimetres (module 25.4 / DP, every length times 25.4).
struct InchAndMetric {
    const char* name;
    PairKind kind;
    FieldTexts inch;
    FieldTexts metric;
};

class InchAndMetricPair : public testing::TestWithParam<InchAndMetric> {};

bool IsLengthRow(R row) {
    switch (row) {
    case R::BaseDiameter:
    case R::PitchDiameter:
    case R::OutsideDiameter:
    case R::CenterDistance:
    case R::SAPDiameter:
    case R::TIFDiameter:
        return true;
    default:
        return false;
    }
}

TEST_P(InchAndMetricPair, AgreeInEveryAngleAndCoefficientAndInEveryLengthWithinTheSingleRounding) {
    const InchAndMetric& pair = GetParam();
    const OutputTable inch = Filled(LengthUnit::Inch, pair.kind, pair.inch);
    const OutputTable metric = Filled(LengthUnit::Millimetre, pair.kind, pair.metric);
    for (int index = 0; index < kOutputRowCount; ++index) {
        const R row = static_cast<R>(index);
        if (row == R::DiametralPitch || row == R::TransverseDiametralPitch) {
            continue;
        }
        for (auto cell : {&OutputCell::pinion, &OutputCell::gear}) {
            const std::string& inchText = inch[row].*cell;
            const std::string& metricText = metric[row].*cell;
            if (metricText == inchText) {
                continue;
            }
            if (!IsLengthRow(row)) {
                // Compared as numbers: a shift that is zero may show as "-0.0000" in one unit.
                EXPECT_EQ(std::stod(metricText), std::stod(inchText)) << inch[row].caption;
                continue;
            }
            // Each text is rounded to its last shown digit, and each value was stored as a Single.
            const std::size_t decimals = inchText.size() - inchText.find('.') - 1;
            const double shown = 0.5 * std::pow(10.0, -static_cast<double>(decimals));
            const double inches = std::stod(inchText);
            const double tolerance = shown * (1 + 1 / 25.4) + 4e-7 * inches;
            EXPECT_NEAR(std::stod(metricText) / 25.4, inches, tolerance) << inch[row].caption;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, InchAndMetricPair,
    testing::Values(InchAndMetric{"SpurExternal",
                                  PairKind::External,
                                  {"12", "24", "8", "20", "0", "1.85", "3.25", "2.3"},
                                  {"12", "24", "3.175", "20", "0", "46.99", "82.55", "58.42"}},
                    InchAndMetric{"HelicalExternal",
                                  PairKind::External,
                                  {"17", "35", "10", "20", "25", "2.1", "4.05", "2.9"},
                                  {"17", "35", "2.54", "20", "25", "53.34", "102.87", "73.66"}},
                    InchAndMetric{"SpurInternal",
                                  PairKind::Internal,
                                  {"24", "72", "8", "25", "0", "3.25", "8.75", "3"},
                                  {"24", "72", "3.175", "25", "0", "82.55", "222.25", "76.2"}}),
    [](const testing::TestParamInfo<InchAndMetric>& pair) { return std::string(pair.param.name); });

} // namespace
} // namespace korvanta
