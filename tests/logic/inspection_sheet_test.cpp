// The sheet's stations and profile charts against the output table and the geometry of the path of
// contact, and its tolerances for the 20/40 pair of DP 10 (d = 50.8 and 101.6 mm, m_n = 2.54 mm) in
// class 6 (a factor √2 on class 5) with a face width of 1 in (25.4 mm), worked with python3:
// f_pT = (0.0508 + 1.016 + 5) √2 = 8.580 → 8.5 µm = 0.00033 in; F_pT of the gear
// (0.2032 + 0.55 √101.6 + 1.778 + 12) √2 = 27.61 → 28 µm; the pinion's F_αT from f_HαT = 7.166 and
// f_fαT = 9.047 is 11.54 → 12 µm, a band of ±6 µm = ±2.3622 in units of 0.0001 in.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "../core/pair_fixtures.h"
#include "core/number_text.h"
#include "logic/design_checks.h"
#include "logic/inspection_sheet.h"
#include "logic/output_table.h"
#include "logic/sheet_header.h"

namespace korvanta {
namespace {

using std::numbers::pi;
using testing::PairEntry;

PairSolution Solved(PairKind kind, const PairEntry& pair) {
    PairSolution solution = SolvePair(testing::EnteredPair(kind, pair), PerMember<MeasurementChoice>{});
    EXPECT_TRUE(solution.Complete());
    return solution;
}

const PairEntry kExternal20To40 = {20, 40, 10, 20, 0, 2.2, 4.2, 3.0};

// The chart's line of the station whose label starts with the name.
const ProfileChart::StationLine* LineOf(const ProfileChart& chart, const std::string& name) {
    for (const ProfileChart::StationLine& line : chart.stations) {
        if (line.label.starts_with(name + ":")) {
            return &line;
        }
    }
    return nullptr;
}

struct PairCase {
    const char* name;
    PairKind kind;
    PairEntry pair;
};

const PairCase kPairs[] = {
    {"External20To40", PairKind::External, kExternal20To40},
    {"Helical", PairKind::External, {20, 40, 10, 20, 15, 2.3, 4.4, 3.2}},
    {"Internal20To60", PairKind::Internal, {20, 60, 10, 20, 0, 2.2, 5.8, 2.0}},
};

class SheetStations : public ::testing::TestWithParam<PairCase> {};

TEST_P(SheetStations, ChartRollAnglesAreTheOutputTables) {
    const PairSolution solution = Solved(GetParam().kind, GetParam().pair);
    const InspectionSheet sheet = SheetOf(solution, {}, {});
    OutputTable table;
    FillFreshTable(solution, table);
    for (Member member : kMembers) {
        const auto cell = [&](OutputRow row) {
            return member == Member::Pinion ? table[row].pinion : table[row].gear;
        };
        const std::pair<std::string, OutputRow> rows[] = {
            {"TIF", OutputRow::RollTIF},
            {"SAP", OutputRow::RollSAP},
            {member == Member::Gear && GetParam().kind == PairKind::Internal ? "ID" : "OD",
             OutputRow::RollOutside}};
        for (const auto& [name, row] : rows) {
            const ProfileChart::StationLine* line = LineOf(sheet.charts[member], name);
            ASSERT_NE(line, nullptr) << name;
            EXPECT_EQ(PatternValue(line->rollAngle, kRollAngleDecimals) + std::string(kDegreeSign), cell(row))
                << name;
            EXPECT_TRUE(line->label.ends_with(cell(row))) << line->label;
        }
    }
}

// B and D lie p_bt from the ends of contact, so the zone between them is (2 − ε) p_bt long on either
// member; a roll angle θ of a member is the roll length θ d_b / 2 along the line.
TEST_P(SheetStations, SingleToothContactZoneIsTwoMinusTheContactRatioBasePitches) {
    const PairSolution solution = Solved(GetParam().kind, GetParam().pair);
    const InspectionSheet sheet = SheetOf(solution, {}, {});
    const PairValues& values = solution.values;
    const double basePitch = pi * values.baseDiameter.pinion / values.teeth.pinion;
    const double zone = (2.0 - solution.measurements->contactRatio) * basePitch;
    for (Member member : kMembers) {
        const ProfileChart::StationLine* lowest =
            LineOf(sheet.charts[member], member == Member::Pinion ? "LPSTC (B)" : "LPSTC (D)");
        const ProfileChart::StationLine* highest =
            LineOf(sheet.charts[member], member == Member::Pinion ? "HPSTC (D)" : "HPSTC (B)");
        ASSERT_TRUE(lowest && highest);
        const double rollLengths =
            (highest->rollAngle - lowest->rollAngle) * pi / 180.0 * values.baseDiameter[member] / 2.0;
        EXPECT_NEAR(std::abs(rollLengths), zone, 1e-5);
    }
    EXPECT_FALSE(sheet.singleContactNotice.has_value());
}

INSTANTIATE_TEST_SUITE_P(Pairs, SheetStations, ::testing::ValuesIn(kPairs),
                         [](const ::testing::TestParamInfo<PairCase>& param) {
                             return std::string(param.param.name);
                         });

// ε = (L1 + L2 − T1T2) / p_bt: a short addendum (outside diameters 2.1 and 4.1 on the 20/40 pair)
// gives 0.885; 100 and 150 teeth of DP 32 at 14.5° give 2.367.
struct NoZoneCase {
    const char* name;
    PairEntry pair;
    const char* notice;
};

class WithoutSingleToothContact : public ::testing::TestWithParam<NoZoneCase> {};

TEST_P(WithoutSingleToothContact, SaysSoAndLeavesTheTwoStationsOut) {
    const InspectionSheet sheet = SheetOf(Solved(PairKind::External, GetParam().pair), {}, {});
    ASSERT_TRUE(sheet.singleContactNotice.has_value());
    EXPECT_EQ(*sheet.singleContactNotice, GetParam().notice);
    for (Member member : kMembers) {
        EXPECT_EQ(sheet.stations[member].size(), 5u);
        EXPECT_EQ(sheet.charts[member].stations.size(), 5u);
        for (const SheetStation& station : sheet.stations[member]) {
            EXPECT_EQ(station.name.find("STC"), std::string::npos) << station.name;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, WithoutSingleToothContact,
    ::testing::Values(NoZoneCase{"ContactRatioBelowOne",
                                 {20, 40, 10, 20, 0, 2.1, 4.1, 3.0},
                                 "No single tooth contact zone: the contact ratio 0.885 is below 1, so the "
                                 "teeth lose contact before the next pair takes over."},
                      NoZoneCase{"ContactRatioOfTwoOrMore",
                                 {100, 150, 32, 14.5, 0, 3.1875, 4.75, 3.90625},
                                 "No single tooth contact zone: with a contact ratio of 2.367 two pairs of "
                                 "teeth or more are always in contact."}),
    [](const ::testing::TestParamInfo<NoZoneCase>& param) { return std::string(param.param.name); });

TEST(InspectionSheet, CarriesTheDesignersChecks) {
    const PairSolution solution = Solved(PairKind::External, {20, 40, 10, 20, 0, 2.1, 4.1, 3.0});
    const InspectionSheet sheet = SheetOf(solution, {}, {});
    EXPECT_FALSE(sheet.checks.empty());
    EXPECT_EQ(sheet.checks, DesignChecksOf(solution));
}

SheetEntries ClassSix() {
    SheetEntries entries;
    entries.accuracyClass = 6;
    entries.faceWidth = 1.0;
    return entries;
}

TEST(SheetTolerances, RowsInMicrometresAndInchesWithTheEdition) {
    const InspectionSheet sheet = SheetOf(Solved(PairKind::External, kExternal20To40), ClassSix(), {});
    ASSERT_EQ(sheet.tolerances.size(), 8u);
    EXPECT_EQ(sheet.tolerances[0].caption, "Single Pitch f_pT");
    EXPECT_EQ(sheet.tolerances[0].texts.pinion, "8.5 \xC2\xB5m (0.00033 in)");
    EXPECT_EQ(sheet.tolerances[1].texts.gear, "28 \xC2\xB5m (0.00110 in)");
    EXPECT_EQ(sheet.tolerances[4].texts.pinion, "12 \xC2\xB5m (0.00047 in)");
    ASSERT_EQ(sheet.toleranceNotes.size(), 1u);
    EXPECT_EQ(sheet.toleranceNotes[0],
              "Tolerances to ISO 1328-1:2013, accuracy class 6, face width 1.00000 in (25.4000 mm).");
}

// DP 64 is a module of 25.4 / 64 = 0.3969 mm, below the standard's 0.5 mm.
TEST(SheetTolerances, NotesEachMemberOutsideTheStandardsRange) {
    const InspectionSheet sheet =
        SheetOf(Solved(PairKind::External, {20, 40, 64, 20, 0, 0.34375, 0.65625, 0.46875}), ClassSix(), {});
    ASSERT_EQ(sheet.toleranceNotes.size(), 3u);
    EXPECT_EQ(sheet.toleranceNotes[1],
              "Pinion: outside the range of ISO 1328-1:2013 in its normal module 0.3969 "
              "mm (0.5 to 70 mm); the tolerances are given all the same.");
    EXPECT_TRUE(sheet.toleranceNotes[2].starts_with("Gear: "));
}

TEST(InspectionSheet, CopiesTheHeaderAndWithoutAClassShowsTheStationsOnly) {
    SheetHeader header;
    header.job.drawing = "D-100";
    header.units = SheetUnitsText(LengthUnit::Inch);
    const InspectionSheet sheet = SheetOf(Solved(PairKind::External, kExternal20To40), {}, header);
    EXPECT_EQ(sheet.header.job.drawing, "D-100");
    EXPECT_EQ(sheet.header.units, "Units: in (diametral pitch)");
    EXPECT_TRUE(sheet.tolerances.empty() && sheet.toleranceNotes.empty());
    for (Member member : kMembers) {
        const ProfileChart& chart = sheet.charts[member];
        EXPECT_EQ(chart.stations.size(), 7u);
        EXPECT_TRUE(chart.upperLimit.empty() && chart.lowerLimit.empty());
        EXPECT_EQ(chart.deviationUnit, "0.0001 in");
        EXPECT_LT(chart.deviationFrom, chart.deviationTo);
    }
}

// The pinion's relief starts at a roll angle of 30°: on the diameter d_b √(1 + (π / 6)²) = 2.12142.
TEST(ProfileChart, BandIsTheTotalProfileToleranceAboutTheInvoluteAndTheKBelowIt) {
    SheetEntries entries = ClassSix();
    entries.tipRelief.pinion = TipRelief{TipRelief::StartGiven::RollAngle, 30.0, 2.0, 5.0};
    const InspectionSheet sheet = SheetOf(Solved(PairKind::External, kExternal20To40), entries, {});
    const ProfileChart& chart = sheet.charts.pinion;
    const double sap = LineOf(chart, "SAP")->rollAngle;
    const double od = LineOf(chart, "OD")->rollAngle;
    const double half = 6.0 / 2.54;
    const auto expectLine = [](const std::vector<ProfileChart::Point>& line,
                               const std::vector<std::pair<double, double>>& expected) {
        ASSERT_EQ(line.size(), expected.size());
        for (std::size_t i = 0; i < line.size(); ++i) {
            EXPECT_DOUBLE_EQ(line[i].rollAngle, expected[i].first);
            EXPECT_NEAR(line[i].deviation, expected[i].second, 1e-12);
        }
    };
    expectLine(chart.upperLimit, {{sap, half}, {30.0, half}, {od, -2.0}});
    expectLine(chart.lowerLimit, {{sap, -half}, {30.0, -half}, {od, -5.0}});
    EXPECT_LT(chart.deviationFrom, -5.0);
    EXPECT_GT(chart.deviationTo, half);
    EXPECT_EQ(sheet.stations.pinion[5].name, "Start of tip relief");
    EXPECT_EQ(sheet.stations.pinion[5].diameter, "2.12142 in");
    EXPECT_EQ(LineOf(chart, "EAP"), nullptr);
    // The gear has no relief: its band ends at its EAP.
    EXPECT_EQ(sheet.charts.gear.upperLimit.size(), 2u);
}

// The internal gear's tip is its inside diameter, the smallest roll angle: its trace and its band
// run from the root down to it.
TEST(ProfileChart, InternalGearRunsFromItsInsideDiameterOutward) {
    const PairSolution solution = Solved(PairKind::Internal, {20, 60, 10, 20, 0, 2.2, 5.8, 2.0});
    const InspectionSheet sheet = SheetOf(solution, ClassSix(), {});
    const ProfileChart& chart = sheet.charts.gear;
    EXPECT_TRUE(chart.tipAtRollFrom);
    EXPECT_FALSE(sheet.charts.pinion.tipAtRollFrom);
    EXPECT_EQ(chart.title, "Profile: Internal gear");
    EXPECT_DOUBLE_EQ(chart.rollFrom, LineOf(chart, "ID")->rollAngle);
    EXPECT_DOUBLE_EQ(chart.rollTo, LineOf(chart, "TIF")->rollAngle);
    for (std::size_t i = 1; i < chart.stations.size(); ++i) {
        EXPECT_GE(chart.stations[i - 1].rollAngle, chart.stations[i].rollAngle) << chart.stations[i].label;
    }
    EXPECT_GT(chart.upperLimit.front().rollAngle, chart.upperLimit.back().rollAngle);
}

} // namespace
} // namespace korvanta
