#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "json_check.h"
#include "output_text.h"
#include "run_command.h"

namespace {

using Arguments = std::vector<std::string>;

// KHK's profile-shifted spur pair, module 3, entered in millimetres.
const Arguments kKhkPair = {"--module", "3",     "--nt1", "12",    "--nt2", "24",   "--pa",
                            "20",       "--od1", "44.84", "--od2", "79.40", "--cd", "56.5"};

Arguments With(Arguments arguments, const Arguments& more) {
    arguments.insert(arguments.end(), more.begin(), more.end());
    return arguments;
}

// The pinion and gear cells of the JSON row with this key; empty texts when there is none.
std::pair<std::string, std::string> RowCells(const std::string& json, const std::string& key) {
    const std::size_t row = json.find("{\"key\": \"" + key + "\"");
    if (row == std::string::npos) {
        return {};
    }
    const auto value = [&](const std::string& name) {
        const std::string marker = "\"" + name + "\": \"";
        const std::size_t start = json.find(marker, row) + marker.size();
        return json.substr(start, json.find('"', start) - start);
    };
    return {value("pinion"), value("gear")};
}

TEST(Metric, ModuleRunTellsItsUnitsAndNamesTheModuleRows) {
    const CommandRun run = RunCalc(With(kKhkPair, {"--json"}));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(IsValidJson(run.out));
    EXPECT_EQ(
        run.out.rfind(
            "{\"units\": \"mm\", \"type\": \"external\",\n \"title\": \"Korvanta Output Data (mm)\"", 0),
        0U);
    EXPECT_EQ(RowCells(run.out, "normal_module"),
              std::make_pair(std::string("3.00000"), std::string("3.00000")));
    EXPECT_EQ(RowCells(run.out, "transverse_module").first, "----------");
    EXPECT_EQ(run.out.find("normal_dp"), std::string::npos);
}

TEST(Metric, TableNamesTheModuleAndMillimetres) {
    const CommandRun run = RunCalc(kKhkPair);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.rfind("Korvanta Output Data (mm)\n", 0), 0U);
    EXPECT_NE(run.out.find("\nNormal Module                           3.00000      3.00000\n"),
              std::string::npos);
}

TEST(Metric, DpAndModuleTogetherAreAUsageError) {
    for (const Arguments& arguments : {Arguments{"--dp", "10", "--module", "3", "--nt1", "20", "--nt2", "40"},
                                       Arguments{"--module=3", "--nt1", "20", "--nt2", "40", "--dp", "10"}}) {
        const CommandRun run = RunCalc(arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.rfind("korvanta-calc: --dp and --module cannot go together", 0), 0U) << run.err;
    }
    const CommandRun refused = RunCalc({"--module", "3,5", "--nt1", "20", "--nt2", "40"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(
        refused.err.rfind("korvanta-calc: --module takes a number (digits and points only), not '3,5'", 0),
        0U);
}

// The text of a key in the pinion's measurements.
std::string PinionMeasurement(const std::string& json, const std::string& key) {
    const std::string marker = "\"" + key + "\": \"";
    const std::size_t start =
        json.find(marker, json.find("{\"member\": \"pinion\", \"tooth")) + marker.size();
    return json.substr(start, json.find('"', start) - start);
}

// The pin is chosen in millimetres, and the lengths measured over it are the inch twin's in
// millimetres, shown to four decimals.
TEST(Metric, MeasurementsAreInMillimetres) {
    const CommandRun inch = RunCalc({"--nt1", "20", "--nt2", "40", "--dp", "10", "--od1", "2.2", "--od2",
                                     "4.2", "--cd", "3", "--measure", "--pin1", "0.2", "--json"});
    const CommandRun metric =
        RunCalc({"--nt1", "20", "--nt2", "40", "--module", "2.54", "--od1", "55.88", "--od2", "106.68",
                 "--cd", "76.2", "--measure", "--pin1", "5.08", "--json"});
    ASSERT_EQ(inch.status, 0) << inch.err;
    ASSERT_EQ(metric.status, 0) << metric.err;
    EXPECT_EQ(PinionMeasurement(metric.out, "pin_diameter"), "5.0800");
    for (const char* key :
         {"tooth_thickness", "over_pins", "pin_contact_diameter", "span", "span_contact_diameter"}) {
        const std::string shown = PinionMeasurement(metric.out, key);
        EXPECT_EQ(shown.size() - shown.find('.'), 5U) << key << " " << shown;
        EXPECT_NEAR(std::stod(PinionMeasurement(inch.out, key)) * 25.4, std::stod(shown), 2e-3) << key;
    }
}

const std::string kMixedUnits = "nt1,nt2,dp,module,od1,od2,cd\n"
                                "20,40,10,,2.2,4.2,3\n"       // line 2: inch
                                "12,24,,3,44.84,79.40,56.5\n" // line 3: metric
                                "20,40,10,3,,,\n"             // line 4: both pitches
                                "20,40,,,,,\n";               // line 5: no pitch

TEST(MetricBatch, ModuleColumnAddsUnitsAndModuleColumns) {
    const CommandRun run = RunCalc({"--batch", "-"}, kMixedUnits);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out.rfind("line,status,type,units,teeth_pinion,teeth_gear,normal_dp_pinion,normal_dp_gear,"
                            "normal_module_pinion,normal_module_gear,transverse_dp_pinion,transverse_dp_gear,"
                            "transverse_module_pinion,transverse_module_gear,normal_pa_pinion,",
                            0),
              0U);
    const auto rows = Table(run.out);
    ASSERT_EQ(rows.size(), 4U);
    EXPECT_EQ(rows[0].at("units"), "in");
    EXPECT_EQ(rows[0].at("normal_dp_gear"), "10.00000");
    EXPECT_EQ(rows[0].at("normal_module_gear"), "");
    EXPECT_EQ(rows[1].at("units"), "mm");
    EXPECT_EQ(rows[1].at("normal_dp_gear"), "");
    EXPECT_EQ(rows[1].at("normal_module_gear"), "3.00000");
    EXPECT_EQ(rows[1].at("operating_pa_pinion"), "26.0888°");
    EXPECT_EQ(rows[2].at("status"), "invalid");
    EXPECT_EQ(rows[2].at("units"), "");
    EXPECT_EQ(rows[2].at("message"),
              "dp and module are both given: a row gives the diametral pitch of an inch "
              "pair or the module of a metric pair, not both");
    EXPECT_EQ(rows[3].at("status"), "rejected");
    EXPECT_EQ(rows[3].at("message"), "Enter the Normal Diametral Pitch");
    EXPECT_NE(run.err.find("line 4: dp and module are both given"), std::string::npos);
}

TEST(MetricBatch, JsonRowsTellTheirUnitsAndEqualTheSinglePairCommand) {
    const CommandRun run = RunCalc({"--batch", "-", "--json"}, kMixedUnits);
    const std::vector<std::string> lines = Lines(run.out);
    for (const std::string& line : lines) {
        EXPECT_TRUE(IsValidJson(line)) << line;
    }
    ASSERT_EQ(lines.size(), 4U);
    EXPECT_EQ(lines[0].rfind("{\"line\": 2, \"units\": \"in\", \"type\": \"external\"", 0), 0U);
    EXPECT_EQ(lines[1].rfind("{\"line\": 3, \"units\": \"mm\", \"type\": \"external\"", 0), 0U);
    EXPECT_EQ(lines[2].rfind("{\"line\": 4, \"units\": null, \"error\": {", 0), 0U);
    EXPECT_EQ(lines[3].rfind("{\"line\": 5, \"units\": \"in\", \"error\": {", 0), 0U);
    // The metric row is the single-pair command's object, on one line after "line".
    const CommandRun single = RunCalc(With(kKhkPair, {"--json"}));
    EXPECT_EQ("{" + lines[1].substr(std::string("{\"line\": 3, ").size()), OneLine(single.out));
}

TEST(MetricBatch, FileWithoutModuleColumnHasNoUnits) {
    const CommandRun run = RunCalc({"--batch", "-", "--json"}, "nt1,nt2,dp\n20,40,10\n");
    EXPECT_EQ(run.out.find("units"), std::string::npos);
    const CommandRun csv = RunCalc({"--batch", "-"}, "nt1,nt2,dp\n20,40,10\n");
    EXPECT_EQ(csv.out.find("units"), std::string::npos);
    EXPECT_EQ(csv.out.find("module"), std::string::npos);
}

} // namespace
