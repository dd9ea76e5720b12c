#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "cli/json_writer.h"
#include "cli/pair_run.h"
#include "core/input_field.h"

namespace korvanta::cli {
namespace {

// The pretty object with every line break and the indent after it written as one blank.
std::string Collapsed(const std::string& pretty) {
    std::string text;
    for (std::size_t i = 0; i < pretty.size(); ++i) {
        if (pretty[i] == '\n' && i + 1 < pretty.size()) {
            text += ' ';
            while (i + 1 < pretty.size() && pretty[i + 1] == ' ') {
                ++i;
            }
        } else {
            text += pretty[i];
        }
    }
    return text;
}

struct LayoutCase {
    const char* name;
    PairKind type;
    std::vector<std::pair<InputField, std::string>> fields;
    std::vector<std::string> diameters;
    bool measure;
    RunStatus status;
};

class JsonLayoutTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(JsonLayoutTest, CompactIsThePrettyObjectOnOneLine) {
    PairInputs inputs;
    inputs.type = GetParam().type;
    for (const auto& [field, text] : GetParam().fields) {
        inputs.fields[static_cast<std::size_t>(field)] = text;
    }
    inputs.diameters = GetParam().diameters;
    inputs.measure = GetParam().measure;
    const PairRunResult result = RunPair(inputs);
    ASSERT_EQ(result.status, GetParam().status);

    const std::string pretty = ResultJson(result);
    const std::string compact = ResultJson(result, JsonLayout::Compact);
    EXPECT_GT(std::count(pretty.begin(), pretty.end(), '\n'), 1);
    EXPECT_EQ(compact, Collapsed(pretty));
    EXPECT_EQ(compact.find('\n'), compact.size() - 1);
}

INSTANTIATE_TEST_SUITE_P(
    Results, JsonLayoutTest,
    ::testing::Values(
        LayoutCase{"ProducedWithAnglesAndMeasurements",
                   PairKind::External,
                   {{InputField::NT1, "20"}, {InputField::NT2, "40"}, {InputField::DP, "10"}},
                   {"2", "2.1"},
                   true,
                   RunStatus::Produced},
        LayoutCase{"Rejected", PairKind::External, {{InputField::NT1, "20"}}, {}, false, RunStatus::Rejected},
        LayoutCase{"Fault",
                   PairKind::Internal,
                   {{InputField::NT1, "46"},
                    {InputField::NT2, "64"},
                    {InputField::DP, "5"},
                    {InputField::PA, "14.5"},
                    {InputField::HA, "30"},
                    {InputField::OD1, "9.8786"},
                    {InputField::OD2, "12.4511"},
                    {InputField::CD, "1.8252"}},
                   {},
                   false,
                   RunStatus::Fault}),
    [](const ::testing::TestParamInfo<LayoutCase>& param) { return std::string(param.param.name); });

TEST(JsonLayout, LeadingMembersComeFirst) {
    const std::vector<JsonMember> leading{{"line", "7"}, {"id", "\"a\""}};
    EXPECT_EQ(ErrorJson({"korvanta-calc", "bad", "TextNT1"}, JsonLayout::Compact, leading),
              "{\"line\": 7, \"id\": \"a\", \"error\": {\"title\": \"korvanta-calc\", \"message\": \"bad\", "
              "\"field\": \"TextNT1\"}, \"warnings\": []}\n");
}

} // namespace
} // namespace korvanta::cli
