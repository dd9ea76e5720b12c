#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "cli/pair_file_io.h"
#include "cli/pair_run.h"
#include "logic/output_table.h"
#include "logic/pair_file_solution.h"

namespace korvanta::cli {
namespace {

struct FileCase {
    const char* name;
    PairKind kind;
    LengthUnit unit;
    FieldTexts entries;
    PerMember<std::string> pins;
    PerMember<std::string> spans;
};

PairFile FileOf(const FileCase& c) {
    PairFile pair;
    pair.kind = c.kind;
    pair.unit = c.unit;
    pair.entries = c.entries;
    pair.pinDiameter = c.pins;
    pair.spanTeeth = c.spans;
    return pair;
}

PairRunResult CommandRunOf(const PairFile& pair) {
    auto inputs = InputsOfPairFile(pair, true);
    EXPECT_TRUE(std::holds_alternative<PairInputs>(inputs));
    return RunPair(std::get<PairInputs>(inputs));
}

class SolvedPairFile : public ::testing::TestWithParam<FileCase> {};

// `korvanta-calc --pair FILE --measure` calculates a file as the windows do: the one solution of the
// file gives the command's table and measurements.
TEST_P(SolvedPairFile, GivesTheCommandsTableAndMeasurements) {
    const PairFile pair = FileOf(GetParam());
    const auto solved = SolvePairFile(pair);
    ASSERT_TRUE(std::holds_alternative<PairSolution>(solved)) << std::get<std::string>(solved);
    const PairSolution& solution = std::get<PairSolution>(solved);
    const PairRunResult command = CommandRunOf(pair);
    ASSERT_EQ(command.status, RunStatus::Produced);

    OutputTable table;
    FillFreshTable(solution, table);
    EXPECT_EQ(table.title, command.table.title);
    EXPECT_EQ(table.columns, command.table.columns);
    for (int row = 0; row < kOutputRowCount; ++row) {
        EXPECT_EQ(table.rows[row].caption, command.table.rows[row].caption);
        EXPECT_EQ(table.rows[row].pinion, command.table.rows[row].pinion) << table.rows[row].caption;
        EXPECT_EQ(table.rows[row].gear, command.table.rows[row].gear) << table.rows[row].caption;
    }
    ASSERT_TRUE(solution.measurements.has_value());
    ASSERT_TRUE(command.measurements.has_value());
    EXPECT_EQ(MeasurementTexts(*solution.measurements), command.measurements->texts);
}

INSTANTIATE_TEST_SUITE_P(Files, SolvedPairFile,
                         ::testing::Values(FileCase{"External",
                                                    PairKind::External,
                                                    LengthUnit::Inch,
                                                    {"20", "40", "10", "20", "0", "2.2", "", ""},
                                                    {"0.2", ""},
                                                    {"", "5"}},
                                           FileCase{"Helical",
                                                    PairKind::External,
                                                    LengthUnit::Inch,
                                                    {"20", "40", "10", "20", "15", "2.3", "4.3", "3.2"},
                                                    {},
                                                    {"4", ""}},
                                           FileCase{"Internal",
                                                    PairKind::Internal,
                                                    LengthUnit::Inch,
                                                    {"20", "60", "10", "20", "12", "", "", ""},
                                                    {"", "0.15"},
                                                    {}},
                                           FileCase{"Metric",
                                                    PairKind::External,
                                                    LengthUnit::Millimetre,
                                                    {"12", "24", "3", "20", "0", "44.84", "", "56.5"},
                                                    {},
                                                    {}}),
                         [](const ::testing::TestParamInfo<FileCase>& param) {
                             return std::string(param.param.name);
                         });

TEST(SolvedPairFile, AnIncompleteFileGivesCalculatesMessage) {
    PairFile pair;
    pair.entries = {"20", "", "10", "20", "0", "", "", ""};
    const auto solved = SolvePairFile(pair);
    ASSERT_TRUE(std::holds_alternative<std::string>(solved));
    const PairRunResult command = CommandRunOf(pair);
    ASSERT_EQ(command.status, RunStatus::Rejected);
    EXPECT_EQ(std::get<std::string>(solved), command.rejection->text);
}

} // namespace
} // namespace korvanta::cli
