#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "output_text.h"
#include "run_command.h"

namespace {

using Arguments = std::vector<std::string>;

std::string WithoutLine(const std::string& jsonLine, int line) {
    const std::string prefix = "{\"line\": " + std::to_string(line) + ", ";
    EXPECT_EQ(jsonLine.rfind(prefix, 0), 0U) << jsonLine;
    return "{" + jsonLine.substr(std::min(prefix.size(), jsonLine.size()));
}

const std::string kMixed = "type,nt1,nt2,dp,pa,ha,od1,od2,cd\n"
                           ",20,40,10,,,2.2,4.2,3\n"          // line 2: the standard external pair
                           ",20,,10,,,,,\n"                   // line 3: no gear teeth
                           "internal,20,60,10,,,2.2,5.8,0\n"  // line 4: accepted, then a zero divisor
                           ",20,40,10,,,2.2,4.2,3,7\n"        // line 5: one cell too many
                           ",2x,40,10,,,,,\n"                 // line 6: refused by the tooth keys
                           "internal,20,60,10,,,2.2,5.8,2\n"; // line 7: the standard internal pair

TEST(Batch, MixedFileGivesOneRowPerLineAndExitOne) {
    const CommandRun run = RunCalc({"--batch", "-"}, kMixed);
    EXPECT_EQ(run.status, 1);
    const auto rows = Table(run.out);
    ASSERT_EQ(rows.size(), 6U);
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"2", "ok"}, {"3", "rejected"}, {"4", "fault"}, {"5", "malformed"}, {"6", "invalid"}, {"7", "ok"}};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].at("line"), expected[i].first);
        EXPECT_EQ(rows[i].at("status"), expected[i].second);
    }
    EXPECT_EQ(rows[0].at("type"), "external");
    EXPECT_EQ(rows[0].at("teeth_pinion"), "20");
    EXPECT_EQ(rows[0].at("base_diameter_gear"), "3.758771");
    EXPECT_EQ(rows[0].at("sap_pinion"), "1.8878");
    EXPECT_EQ(rows[0].at("roll_outside_gear"), "28.565°");
    EXPECT_EQ(rows[0].at("message"), "");
    EXPECT_EQ(rows[1].at("message"), "Enter the number of teeth for Gear");
    EXPECT_EQ(rows[1].at("sap_pinion"), "");
    EXPECT_EQ(rows[2].at("type"), "internal");
    EXPECT_NE(rows[2].at("message").find("cannot be calculated"), std::string::npos);
    EXPECT_EQ(rows[3].at("message"), "the row has 10 cells, the header names 9 columns");
    EXPECT_EQ(rows[4].at("message"), "nt1 takes a whole number (digits only), not '2x'");
    EXPECT_EQ(rows[5].at("transverse_dp_gear"), "NA");
    EXPECT_EQ(rows[5].at("outside_diameter_gear"), "5.80000");
    EXPECT_EQ(rows[5].at("roll_outside_gear"), "13.826°");
    for (const char* line : {"line 3: ", "line 4: ", "line 5: ", "line 6: "}) {
        EXPECT_NE(run.err.find(line), std::string::npos) << line;
    }
}

TEST(Batch, HeaderNamesEveryOutputCell) {
    const CommandRun run = RunCalc({"--batch", "-"}, "nt1,nt2,dp\n20,40,10\n");
    EXPECT_EQ(run.status, 0);
    const std::vector<std::string> names = Cells(Lines(run.out).at(0));
    ASSERT_EQ(names.size(), 3U + 19 * 2 + 2);
    EXPECT_EQ(names[0], "line");
    EXPECT_EQ(names[1], "status");
    EXPECT_EQ(names[3], "teeth_pinion");
    EXPECT_EQ(names[4], "teeth_gear");
    EXPECT_EQ(names[names.size() - 3], "roll_outside_gear");
    EXPECT_EQ(names[names.size() - 2], "warnings");
    EXPECT_EQ(names.back(), "message");
}

// Each row as the single-pair command with the same values, from a fresh start.
TEST(Batch, JsonRowEqualsTheSinglePairCommand) {
    const std::vector<std::pair<std::string, Arguments>> cases = {
        {",20,40,10,,,2.2,4.2,3",
         {"--nt1", "20", "--nt2", "40", "--dp", "10", "--od1", "2.2", "--od2", "4.2", "--cd", "3"}},
        {"internal,20,60,10,,,2.2,5.8,2",
         {"--type", "internal", "--nt1", "20", "--nt2", "60", "--dp", "10", "--od1", "2.2", "--od2", "5.8",
          "--cd", "2"}},
        {",24,37,8,25,15,,,", {"--nt1", "24", "--nt2", "37", "--dp", "8", "--pa", "25", "--ha", "15"}},
        {",40,20,10,,,,,", {"--nt1", "40", "--nt2", "20", "--dp", "10"}},
        {",20,,10,,,,,", {"--nt1", "20", "--dp", "10"}},
        {"internal,20,60,10,,,2.2,5.8,0",
         {"--type", "internal", "--nt1", "20", "--nt2", "60", "--dp", "10", "--od1", "2.2", "--od2", "5.8",
          "--cd", "0"}},
        {",20,40,10,90,,,,", {"--nt1", "20", "--nt2", "40", "--dp", "10", "--pa", "90"}},
    };
    std::string file = "type,nt1,nt2,dp,pa,ha,od1,od2,cd\n";
    for (const auto& [row, arguments] : cases) {
        file += row + "\n";
    }
    const CommandRun batch = RunCalc({"--batch", "-", "--json"}, file);
    EXPECT_EQ(batch.status, 1);
    const std::vector<std::string> lines = Lines(batch.out);
    ASSERT_EQ(lines.size(), cases.size());
    for (std::size_t i = 0; i < cases.size(); ++i) {
        Arguments arguments = cases[i].second;
        arguments.push_back("--json");
        const CommandRun single = RunCalc(arguments);
        EXPECT_EQ(WithoutLine(lines[i], static_cast<int>(i) + 2), OneLine(single.out)) << cases[i].first;
    }
}

// The key of every JSON row names the batch columns that hold the same row: the same cells under
// "<key>_pinion" and "<key>_gear", in the same order, whatever the captions (helical and internal
// tables caption some rows differently).
TEST(Batch, JsonRowKeysAreTheBatchColumnNames) {
    const std::vector<std::pair<std::string, Arguments>> cases = {
        {",20,40,10,,,2.2,4.2,3",
         {"--nt1", "20", "--nt2", "40", "--dp", "10", "--od1", "2.2", "--od2", "4.2", "--cd", "3"}},
        {",24,37,8,25,15,,,", {"--nt1", "24", "--nt2", "37", "--dp", "8", "--pa", "25", "--ha", "15"}},
        {"internal,20,60,10,,,2.2,5.8,2",
         {"--type", "internal", "--nt1", "20", "--nt2", "60", "--dp", "10", "--od1", "2.2", "--od2", "5.8",
          "--cd", "2"}},
        {"internal,18,50,8,,15,2.6,6,2",
         {"--type", "internal", "--nt1", "18", "--nt2", "50", "--dp", "8", "--ha", "15", "--od1", "2.6",
          "--od2", "6", "--cd", "2"}},
    };
    const std::regex row(
        R"re(\{"key": "([^"]*)", "caption": "[^"]*", "pinion": "([^"]*)", "gear": "([^"]*)"\})re");
    for (const auto& [line, arguments] : cases) {
        Arguments json = arguments;
        json.push_back("--json");
        const std::string single = RunCalc(json).out;
        const CommandRun batch =
            RunCalc({"--batch", "-"}, "type,nt1,nt2,dp,pa,ha,od1,od2,cd\n" + line + "\n");
        const auto table = Table(batch.out);
        ASSERT_EQ(table.size(), 1U) << line;
        const std::vector<std::string> names = Cells(Lines(batch.out).at(0));
        std::size_t count = 0;
        for (auto match = std::sregex_iterator(single.begin(), single.end(), row);
             match != std::sregex_iterator(); ++match, ++count) {
            const std::string key = (*match)[1];
            ASSERT_LT(3 + 2 * count, names.size());
            EXPECT_EQ(names[3 + 2 * count], key + "_pinion") << line;
            EXPECT_EQ(table[0].at(key + "_pinion"), (*match)[2]) << line << " " << key;
            EXPECT_EQ(table[0].at(key + "_gear"), (*match)[3]) << line << " " << key;
        }
        EXPECT_EQ(count, 19U) << line;
    }
}

// The id column is not calculated: each record carries its cell unchanged, quotes and commas
// included; a malformed row's cells cannot be matched to the columns, so its id is empty.
TEST(Batch, IdColumnIsCopiedIntoEveryRecord) {
    const std::string file = "nt1,id,nt2,dp\n"
                             "20,\"lot 7, pair \"\"A\"\"\",40,10\n"
                             "2x, 0042 ,40,10\n"
                             "20,,40,10\n"
                             "20,p9,40,10,7\n";
    const CommandRun csv = RunCalc({"--batch", "-"}, file);
    EXPECT_EQ(csv.status, 1);
    const auto rows = Table(csv.out);
    ASSERT_EQ(rows.size(), 4U);
    EXPECT_EQ(Cells(Lines(csv.out).at(0)).at(1), "id");
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"lot 7, pair \"A\"", "ok"}, {" 0042 ", "invalid"}, {"", "ok"}, {"", "malformed"}};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].at("id"), expected[i].first) << i;
        EXPECT_EQ(rows[i].at("status"), expected[i].second) << i;
    }
    EXPECT_EQ(rows[0].at("teeth_gear"), "40");

    const std::vector<std::string> json = Lines(RunCalc({"--batch", "-", "--json"}, file).out);
    ASSERT_EQ(json.size(), 4U);
    EXPECT_EQ(json[0].rfind(R"({"line": 2, "id": "lot 7, pair \"A\"", "type": "external", )", 0), 0U)
        << json[0];
    EXPECT_EQ(json[1].rfind(R"({"line": 3, "id": " 0042 ", "error": )", 0), 0U) << json[1];
    EXPECT_EQ(json[3].rfind(R"({"line": 5, "id": "", "error": )", 0), 0U) << json[3];

    EXPECT_EQ(RunCalc({"--batch", "-"}, "id,nt1,id\n1,20,2\n").status, 2);
    EXPECT_EQ(Lines(RunCalc({"--batch", "-", "--json"}, "nt1,nt2,dp\n20,40,10\n").out).at(0).find("\"id\""),
              std::string::npos);
}

TEST(Batch, RowOrderNeverChangesAResult) {
    const std::vector<std::string> rows = {",20,40,10,,,2.2,4.2,3", "internal,20,60,10,,,2.2,5.8,2",
                                           ",24,37,8,25,15,,,", ",40,20,10,,,,,"};
    std::string forward = "type,nt1,nt2,dp,pa,ha,od1,od2,cd\n";
    std::string backward = forward;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        forward += rows[i] + "\n";
        backward += rows[rows.size() - 1 - i] + "\n";
    }
    const auto first = Lines(RunCalc({"--batch", "-", "--json"}, forward).out);
    const auto second = Lines(RunCalc({"--batch", "-", "--json"}, backward).out);
    ASSERT_EQ(first.size(), rows.size());
    ASSERT_EQ(second.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int forwardLine = static_cast<int>(i) + 2;
        const int backwardLine = static_cast<int>(rows.size() - 1 - i) + 2;
        EXPECT_EQ(WithoutLine(first[i], forwardLine), WithoutLine(second[rows.size() - 1 - i], backwardLine));
    }
}

// RFC 4180: quoted cells, doubled quotes, CRLF line ends, a byte order mark, columns in any order.
TEST(Batch, QuotedCellsAndCrlfAreRead) {
    const std::string file = "\xEF\xBB\xBF"
                             "dp,\"nt2\",nt1\r\n"
                             "10,\"40\",20\r\n"
                             "\r\n"
                             "\"10\",\"4\"\"0\",20\r\n"
                             "10,40,\"2,0\"\r\n";
    const CommandRun run = RunCalc({"--batch", "-"}, file);
    EXPECT_EQ(run.status, 1);
    const auto rows = Table(run.out);
    ASSERT_EQ(rows.size(), 3U);
    EXPECT_EQ(rows[0].at("line"), "2");
    EXPECT_EQ(rows[0].at("status"), "ok");
    EXPECT_EQ(rows[0].at("teeth_gear"), "40");
    EXPECT_EQ(rows[1].at("line"), "4");
    EXPECT_EQ(rows[1].at("message"), "nt2 takes a whole number (digits only), not '4\"0'");
    EXPECT_EQ(rows[2].at("message"), "nt1 takes a whole number (digits only), not '2,0'");
}

TEST(Batch, MalformedLinesAreReportedAndTheBatchGoesOn) {
    const std::string file = "nt1,nt2,dp\n"
                             "20,4\"0,10\n"    // line 2: quote inside an unquoted cell
                             "\"20\"x,40,10\n" // line 3: text after a closing quote
                             "20,40\n"         // line 4: a cell short
                             "20,40,10\n"      // line 5
                             "\"20,40,10\n";   // line 6: a quote never closed
    const CommandRun run = RunCalc({"--batch", "-", "--json"}, file);
    EXPECT_EQ(run.status, 1);
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 5U);
    EXPECT_NE(lines[0].find(R"("line": 2, "error": {"title": "korvanta-calc", "message": "a quote inside)"),
              std::string::npos);
    EXPECT_NE(lines[1].find(R"("line": 3, "error")"), std::string::npos);
    EXPECT_NE(lines[1].find("text after the closing quote"), std::string::npos);
    EXPECT_NE(lines[2].find("the row has 2 cells, the header names 3 columns"), std::string::npos);
    EXPECT_NE(lines[3].find(R"({"line": 5, "type": "external")"), std::string::npos);
    EXPECT_NE(lines[4].find(R"("line": 6, "error")"), std::string::npos);
    EXPECT_NE(lines[4].find("not closed"), std::string::npos);
}

TEST(Batch, EveryGoodRowExitsZero) {
    const CommandRun run = RunCalc({"--batch", "-"}, "nt1,nt2,dp,type\n20,40,10,\n18,54,8,internal\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    const auto rows = Table(run.out);
    ASSERT_EQ(rows.size(), 2U);
    EXPECT_EQ(rows[1].at("type"), "internal");
    EXPECT_EQ(rows[1].at("teeth_gear"), "54");
}

TEST(Batch, FileErrorsAndMixedOptionsAreUsageErrors) {
    const std::vector<std::pair<Arguments, std::string>> cases = {
        {{"--batch", "-", "--nt1", "20"}, "nt1,nt2,dp\n20,40,10\n"},
        {{"--batch", "-", "--at", "2"}, "nt1,nt2,dp\n20,40,10\n"},
        {{"--batch", "-"}, "nt1,teeth\n20,40\n"},
        {{"--batch", "-"}, "nt1,nt1\n20,40\n"},
        {{"--batch", "-"}, ""},
        {{"--batch", "-"}, "\"nt1\n"},
        {{"--batch", "/nonexistent/pairs.csv"}, ""},
        {{"--batch", "/"}, ""},
        {{"--batch"}, ""},
    };
    for (const auto& [arguments, input] : cases) {
        const CommandRun run = RunCalc(arguments, input);
        EXPECT_EQ(run.status, 2) << arguments.back() << " " << input;
        EXPECT_EQ(run.out, "") << input;
        EXPECT_NE(run.err, "") << input;
    }
}

// With --measure each row is the single-pair command with --measure and the row's tools chosen: the
// same JSON object, and the same texts in the measurement columns of the CSV.
const std::vector<std::pair<std::string, Arguments>> kMeasuredRows = {
    {",32,40,4,,,8.5,10.5,9,0.432,,,",
     {"--nt1", "32", "--nt2", "40", "--dp", "4", "--od1", "8.5", "--od2", "10.5", "--cd", "9", "--pin1",
      "0.432"}},
    {",20,40,10,,,2.2,4.2,3,,0.18,4,6",
     {"--nt1", "20", "--nt2", "40", "--dp", "10", "--od1", "2.2", "--od2", "4.2", "--cd", "3", "--pin2",
      "0.18", "--span1", "4", "--span2", "6"}},
    {"internal,20,60,10,,,2.2,5.8,2,,0.144,,",
     {"--type", "internal", "--nt1", "20", "--nt2", "60", "--dp", "10", "--od1", "2.2", "--od2", "5.8",
      "--cd", "2", "--pin2", "0.144"}},
    {",17,35,25.4,20,15,0.787390,1.497428,1.082677,0.07,,,",
     {"--nt1", "17", "--nt2", "35", "--dp", "25.4", "--pa", "20", "--ha", "15", "--od1", "0.787390", "--od2",
      "1.497428", "--cd", "1.082677", "--pin1", "0.07"}},
    {",20,40,10,,,,,,,,20,", {"--nt1", "20", "--nt2", "40", "--dp", "10", "--span1", "20"}},
    {",20,,10,,,,,,,,,", {"--nt1", "20", "--dp", "10"}},
};

std::string MeasuredFile() {
    std::string file = "type,nt1,nt2,dp,pa,ha,od1,od2,cd,pin1,pin2,span1,span2\n";
    for (const auto& [row, arguments] : kMeasuredRows) {
        file += row + "\n";
    }
    return file;
}

Arguments Measured(Arguments arguments, const std::string& more = "") {
    arguments.push_back("--measure");
    if (!more.empty()) {
        arguments.push_back(more);
    }
    return arguments;
}

TEST(BatchMeasure, JsonRowEqualsTheSinglePairCommand) {
    const CommandRun batch = RunCalc({"--batch", "-", "--json", "--measure"}, MeasuredFile());
    EXPECT_EQ(batch.status, 1);
    const std::vector<std::string> lines = Lines(batch.out);
    ASSERT_EQ(lines.size(), kMeasuredRows.size());
    for (std::size_t i = 0; i < kMeasuredRows.size(); ++i) {
        const CommandRun single = RunCalc(Measured(kMeasuredRows[i].second, "--json"));
        EXPECT_EQ(WithoutLine(lines[i], static_cast<int>(i) + 2), OneLine(single.out))
            << kMeasuredRows[i].first;
    }
}

TEST(BatchMeasure, CsvColumnsHoldTheSinglePairTexts) {
    const CommandRun batch = RunCalc({"--batch", "-", "--measure"}, MeasuredFile());
    const std::vector<std::string> names = Cells(Lines(batch.out).at(0));
    ASSERT_EQ(names.size(), 3U + 19 * 2 + 2 + 9 * 2 + 2);
    EXPECT_EQ(names[3 + 19 * 2], "contact_ratio");
    EXPECT_EQ(names[3 + 19 * 2 + 1], "interference");
    EXPECT_EQ(names[3 + 19 * 2 + 2], "tooth_thickness_pinion");
    EXPECT_EQ(names[names.size() - 3], "span_on_active_profile_gear");
    const auto rows = Table(batch.out);
    ASSERT_EQ(rows.size(), kMeasuredRows.size());
    const std::regex pair(R"re("contact_ratio": "([^"]*)", "interference": \[([^\]]*)\])re");
    const std::regex value(R"re("([a-z_]+)": ("([^"]*)"|true|false|null))re");
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::string single = RunCalc(Measured(kMeasuredRows[i].second, "--json")).out;
        const std::size_t measurements = single.find("\"measurements\"");
        if (measurements == std::string::npos) {
            EXPECT_EQ(rows[i].at("contact_ratio"), "") << kMeasuredRows[i].first;
            EXPECT_EQ(rows[i].at("over_pins_pinion"), "") << kMeasuredRows[i].first;
            continue;
        }
        std::smatch match;
        const std::string tail = single.substr(measurements);
        ASSERT_TRUE(std::regex_search(tail, match, pair));
        EXPECT_EQ(rows[i].at("contact_ratio"), match[1]);
        // The JSON list of the flagged members, one blank between names in the CSV cell.
        const std::string list = match[2];
        const std::regex name("\"(pinion|gear)\"");
        std::string interference;
        for (auto member = std::sregex_iterator(list.begin(), list.end(), name);
             member != std::sregex_iterator(); ++member) {
            interference += (interference.empty() ? "" : " ") + std::string((*member)[1]);
        }
        EXPECT_EQ(rows[i].at("interference"), interference);
        const std::size_t gear = tail.find("{\"member\": \"gear\"");
        std::size_t count = 0;
        for (auto found = std::sregex_iterator(
                 tail.begin() + static_cast<std::ptrdiff_t>(tail.find("{\"member\"")), tail.end(), value);
             found != std::sregex_iterator(); ++found) {
            const std::string key = (*found)[1];
            if (key == "member") {
                continue;
            }
            const bool ofGear = static_cast<std::size_t>(found->position()) + tail.find("{\"member\"") > gear;
            const std::string flag = (*found)[2] == "true" ? "Yes" : (*found)[2] == "false" ? "No" : "NA";
            const std::string text = (*found)[3].matched ? std::string((*found)[3]) : flag;
            EXPECT_EQ(rows[i].at(key + (ofGear ? "_gear" : "_pinion")), text)
                << kMeasuredRows[i].first << key;
            ++count;
        }
        EXPECT_EQ(count, 18U);
    }
    EXPECT_EQ(rows[0].at("over_pins_pinion"), "8.60324");
    EXPECT_EQ(rows[2].at("interference"), "pinion");
    EXPECT_EQ(rows[4].at("status"), "rejected");
    EXPECT_EQ(rows[4].at("message"),
              "span1 20 is too many: the pinion has 20 teeth, a span lies over 1 to 19 of them");
}

TEST(BatchMeasure, ToolColumnsNeedMeasureAndRefusedCellsAreInvalid) {
    const CommandRun without = RunCalc({"--batch", "-"}, "nt1,nt2,dp,pin1\n20,40,10,0.2\n");
    EXPECT_EQ(without.status, 2);
    EXPECT_EQ(without.out, "");
    EXPECT_EQ(without.err, "korvanta-calc: header (line 1): column 'pin1' chooses a tool for the "
                           "measurements and needs --measure\n");
    const CommandRun refused = RunCalc({"--batch", "-", "--measure"},
                                       "nt1,nt2,dp,pin1,span2\n20,40,10,0,\n20,40,10,,2.5\n20,40,10,,\n");
    EXPECT_EQ(refused.status, 1);
    const auto rows = Table(refused.out);
    ASSERT_EQ(rows.size(), 3U);
    EXPECT_EQ(rows[0].at("status"), "invalid");
    EXPECT_EQ(rows[0].at("message"), "pin1 takes a pin or ball diameter greater than 0, not '0'");
    EXPECT_EQ(rows[1].at("status"), "invalid");
    EXPECT_EQ(rows[1].at("message"), "span2 takes a whole number (digits only), not '2.5'");
    EXPECT_EQ(rows[2].at("status"), "ok");
    EXPECT_EQ(rows[2].at("span_teeth_gear"), "5");
}

TEST(Batch, TenThousandGeneratedRowsFinish) {
    std::string file = "type,nt1,nt2,dp,pa,ha\n";
    constexpr int kRows = 10000;
    for (int i = 0; i < kRows; ++i) {
        file += std::string(i % 5 == 0 ? "internal" : "") + "," + std::to_string(12 + i % 29) + "," +
                std::to_string(40 + i % 53) + "," + std::to_string(4 + i % 17) + "," +
                (i % 2 == 0 ? "20" : "14.5") + "," + (i % 4 == 0 ? "15" : "") + "\n";
    }
    const CommandRun run = RunCalc({"--batch", "-"}, file);
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), kRows + 1U);
    EXPECT_EQ(lines.back().rfind(std::to_string(kRows + 1) + ",", 0), 0U);
    EXPECT_TRUE(run.status == 0 || run.status == 1);
}

} // namespace
