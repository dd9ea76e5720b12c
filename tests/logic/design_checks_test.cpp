#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <variant>
#include <vector>

#include "logic/design_checks.h"
#include "logic/output_table.h"
#include "logic/pair_file_solution.h"

namespace korvanta {
namespace {

PairFile FileOf(PairKind kind, const FieldTexts& entries) {
    PairFile pair;
    pair.kind = kind;
    pair.entries = entries;
    return pair;
}

PairSolution SolvedFile(PairKind kind, const FieldTexts& entries) {
    auto solved = SolvePairFile(FileOf(kind, entries));
    EXPECT_TRUE(std::holds_alternative<PairSolution>(solved)) << std::get<std::string>(solved);
    return std::get<PairSolution>(solved);
}

struct ChecksCase {
    const char* name;
    PairKind kind;
    FieldTexts entries;
    std::vector<std::string> checks;
};

class DesignChecks : public ::testing::TestWithParam<ChecksCase> {};

// The contact ratios are worked from ε = (½√(d_a1² − d_b1²) + ½√(d_a2² − d_b2²) − a sin φ′) / p_bt
// with cos φ′ = (d_b1 + d_b2) / 2a; the entries outside practice are the entries as typed.
TEST_P(DesignChecks, SayWhatADesignerWouldDoubt) {
    const ChecksCase& c = GetParam();
    EXPECT_EQ(DesignChecksOf(SolvedFile(c.kind, c.entries)), c.checks);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, DesignChecks,
    ::testing::Values(
        // ε = 1.635.
        ChecksCase{"StandardPair", PairKind::External, {"20", "40", "10", "20", "0", "2.2", "4.2", "3"}, {}},
        ChecksCase{
            "StandardInternalPair", PairKind::Internal, {"20", "60", "10", "20", "0", "2.2", "5.8", "2"}, {}},
        ChecksCase{
            "ShortAddenda",
            PairKind::External,
            {"20", "40", "10", "20", "0", "2.1", "4.1", "3"},
            {"The contact ratio is 0.885, below 1: the teeth lose contact before the next pair of teeth "
             "takes over."}},
        ChecksCase{
            "LowContactRatio",
            PairKind::External,
            {"20", "40", "10", "20", "0", "2.12", "4.14", "3"},
            {"The contact ratio is 1.125, below 1.2: low, with little overlap of one pair of teeth and "
             "the next."}},
        ChecksCase{
            "SteepPressureAngle",
            PairKind::External,
            {"20", "40", "10", "40", "0", "2.2", "4.2", "3"},
            // Standard teeth at 40°: d_a (π/(2z) + inv 40° − inv φ_a) is −0.02327 on the pinion and
            // −0.01711 on the gear.
            {"Pinion: the top land (the tooth thickness at the outside diameter) is -0.02327 in: a pointed "
             "tooth.",
             "Gear: the top land (the tooth thickness at the outside diameter) is -0.01711 in: a pointed "
             "tooth.",
             "The normal pressure angle of 40.0000° lies outside the 10° to 35° that practice uses."}},
        ChecksCase{"FlatPressureAngle",
                   PairKind::External,
                   {"20", "40", "10", "9.5", "0", "2.2", "4.2", "3"},
                   {"The normal pressure angle of 9.5000° lies outside the 10° to 35° that practice uses."}},
        ChecksCase{"SteepHelix",
                   PairKind::External,
                   {"20", "40", "10", "20", "50", "", "", ""},
                   {"The helix angle of 50.0000° lies above the 45° that practice uses."}}),
    [](const ::testing::TestParamInfo<ChecksCase>& param) { return std::string(param.param.name); });

bool Says(const std::vector<std::string>& checks, const std::string& sentence) {
    return std::find(checks.begin(), checks.end(), sentence) != checks.end();
}

// "4,25" pasted into the gear's outside diameter with its comma filtered out: the pinion's SAP
// (as the output table shows it) lies far beyond its outside diameter.
TEST(DesignChecks, APastedDecimalCommaLeavesThePinionNoActiveProfile) {
    const PairSolution solution =
        SolvedFile(PairKind::External, {"20", "40", "10", "20", "0", "2.2", "425", "3"});
    OutputTable table;
    FillFreshTable(solution, table);
    const std::string sap = table[OutputRow::SAPDiameter].pinion;
    ASSERT_GT(std::stod(sap), 400.0);
    const std::vector<std::string> checks = DesignChecksOf(solution);
    EXPECT_TRUE(
        Says(checks, "Pinion: the SAP diameter " + sap +
                         " in lies at or beyond the outside diameter 2.2000 in: the tooth has no active "
                         "profile."))
        << ::testing::PrintToString(checks);
    // Its pair meshes at the entered center distance only with shifts far beyond practice.
    for (const char* member : {"Pinion", "Gear"}) {
        EXPECT_TRUE(std::any_of(checks.begin(), checks.end(), [member](const std::string& check) {
            return check.starts_with(std::string(member) + ": the profile shift (x) of ") &&
                   check.ends_with(" lies beyond the ±1.5 that practice uses.");
        })) << member;
    }
}

TEST(DesignChecks, ATopLandOfZeroOrLessIsAPointedTooth) {
    // An outside diameter of 2.45 on a 20-tooth pinion of 10 DP: its flanks meet below it.
    const std::vector<std::string> checks =
        DesignChecksOf(SolvedFile(PairKind::External, {"20", "40", "10", "20", "0", "2.45", "4.2", "3.1"}));
    const auto pointed = std::find_if(checks.begin(), checks.end(), [](const std::string& check) {
        return check.starts_with("Pinion: the top land (the tooth thickness at the outside diameter) is -") &&
               check.ends_with(" in: a pointed tooth.");
    });
    EXPECT_NE(pointed, checks.end()) << ::testing::PrintToString(checks);
}

TEST(DesignChecks, AMetricPairNamesItsMillimetres) {
    PairFile pair = FileOf(PairKind::External, {"20", "40", "2", "20", "0", "42", "8500", "60"});
    pair.unit = LengthUnit::Millimetre;
    const auto solved = SolvePairFile(pair);
    ASSERT_TRUE(std::holds_alternative<PairSolution>(solved)) << std::get<std::string>(solved);
    const std::vector<std::string> checks = DesignChecksOf(std::get<PairSolution>(solved));
    ASSERT_FALSE(checks.empty());
    EXPECT_NE(checks.front().find(" mm lies at or beyond the outside diameter 42.0000 mm"), std::string::npos)
        << ::testing::PrintToString(checks);
}

TEST(DesignChecks, AnIncompleteSolutionHasNothingToSay) {
    PairSolution faulted;
    faulted.fault = PairStage::Geometry;
    EXPECT_TRUE(DesignChecksOf(faulted).empty());
}

} // namespace
} // namespace korvanta
