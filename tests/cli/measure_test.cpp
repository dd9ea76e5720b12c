#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "json_check.h"
#include "run_command.h"

namespace {

using Arguments = std::vector<std::string>;

Arguments With(Arguments arguments, const Arguments& more) {
    arguments.insert(arguments.end(), more.begin(), more.end());
    return arguments;
}

const Arguments kHelical17To35 = {"--nt1", "17",       "--nt2", "35",      "--dp",  "25.4",
                                  "--pa",  "20",       "--ha",  "15",      "--od1", "0.787390",
                                  "--od2", "1.497428", "--cd",  "1.082677"};
const Arguments kPins32To40 = {"--nt1", "32",  "--nt2", "40",   "--dp", "4",
                               "--od1", "8.5", "--od2", "10.5", "--cd", "9"};
// Module 2 (DP 25.4 / 2), x of both members about 0.
const Arguments kSpan20To40 = {"--nt1", "20",       "--nt2", "40",       "--dp", "12.7",
                               "--od1", "1.732283", "--od2", "3.307087", "--cd", "2.362205"};
const Arguments kExternal20To40 = {"--nt1", "20",  "--nt2", "40",  "--dp", "10",
                                   "--od1", "2.2", "--od2", "4.2", "--cd", "3"};
const Arguments kInternal20To60 = {"--type", "internal", "--nt1", "20",    "--nt2", "60",   "--dp",
                                   "10",     "--od1",    "2.2",   "--od2", "5.8",   "--cd", "2"};

// The text of one key of one member object in the "measurements" of the command's JSON: the quoted
// string's contents, or the literal (true, false, null).
std::string MemberValue(const std::string& json, const std::string& member, const std::string& key) {
    const std::size_t object = json.find("{\"member\": \"" + member + "\"");
    if (object == std::string::npos) {
        return "(no member " + member + ")";
    }
    const std::string name = "\"" + key + "\": ";
    const std::size_t at = json.find(name, object);
    if (at == std::string::npos || at > json.find('}', object)) {
        return "(no key " + key + ")";
    }
    const std::size_t start = at + name.size();
    if (json[start] == '"') {
        return json.substr(start + 1, json.find('"', start + 1) - start - 1);
    }
    return json.substr(start, json.find_first_of(",}", start) - start);
}

// Published values, reached through the command on pairs whose entries give the example's x.
struct PublishedCase {
    const char* name;
    Arguments arguments;
    std::string member;
    std::string key;
    std::string expected;
};

class PublishedMeasurement : public ::testing::TestWithParam<PublishedCase> {};

TEST_P(PublishedMeasurement, ShownInTheJsonMeasurements) {
    const PublishedCase& c = GetParam();
    const CommandRun run = RunCalc(With(c.arguments, {"--measure", "--json"}));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(MemberValue(run.out, c.member, c.key), c.expected) << run.out;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, PublishedMeasurement,
    ::testing::Values(
        // 32 teeth, DP 4, x 0 over pins of 0.432: 8.6032.
        PublishedCase{"OverPins32Teeth", With(kPins32To40, {"--pin1", "0.432"}), "pinion", "over_pins",
                      "8.60324"},
        PublishedCase{"ChosenPinDiameter", With(kPins32To40, {"--pin1", "0.432"}), "pinion", "pin_diameter",
                      "0.43200"},
        // 20 teeth at module 2, x 0: k 3 and 15.321 mm, which is 0.603184 inch.
        PublishedCase{"SpanTeeth20Teeth", kSpan20To40, "pinion", "span_teeth", "3"},
        PublishedCase{"Span20Teeth", kSpan20To40, "pinion", "span", "0.60318"},
        PublishedCase{"ChosenSpanTeeth", With(kSpan20To40, {"--span2", "6"}), "gear", "span_teeth", "6"},
        PublishedCase{"InternalGearHasNoSpan", kInternal20To60, "gear", "span", "NA"},
        PublishedCase{"InternalGearSpanFlagIsNull", kInternal20To60, "gear", "span_on_active_profile",
                      "null"},
        PublishedCase{"ContactOnTheActiveProfile", kExternal20To40, "gear", "pins_on_active_profile", "true"},
        // The input window puts the fewer teeth first: --span1 goes with the pinion, whose 20 teeth
        // were given as --nt2.
        PublishedCase{"SpanOneGoesWithThePinionAfterTheTeethAreSwapped",
                      {"--nt1", "40", "--nt2", "20", "--dp", "10", "--span1", "7"},
                      "pinion",
                      "span_teeth",
                      "7"}),
    [](const ::testing::TestParamInfo<PublishedCase>& test) { return std::string(test.param.name); });

struct PairCase {
    const char* name;
    Arguments arguments;
    std::string expected; // the pair's values in the JSON
};

class PairMeasurement : public ::testing::TestWithParam<PairCase> {};

TEST_P(PairMeasurement, ContactRatioAndInterference) {
    const PairCase& c = GetParam();
    const CommandRun run = RunCalc(With(c.arguments, {"--measure", "--json"}));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(IsValidJson(run.out)) << run.out;
    EXPECT_NE(
        run.out.find(",\n \"measurements\": {" + c.expected + ",\n  \"members\": [{\"member\": \"pinion\""),
        std::string::npos)
        << run.out;
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, PairMeasurement,
    ::testing::Values(
        // Published 1.068817 for the helical pair.
        PairCase{"Helical17To35", kHelical17To35, R"("contact_ratio": "1.069", "interference": [])"},
        PairCase{"Internal20To60", kInternal20To60,
                 R"("contact_ratio": "1.950", "interference": ["pinion"])"},
        PairCase{"External20To40", kExternal20To40, R"("contact_ratio": "1.635", "interference": [])"}),
    [](const ::testing::TestParamInfo<PairCase>& test) { return std::string(test.param.name); });

TEST(Measure, TableGetsASectionAlignedWithTheTable) {
    const CommandRun run = RunCalc(With(kPins32To40, {"--measure", "--pin1", "0.432"}));
    ASSERT_EQ(run.status, 0) << run.err;
    const std::size_t section = run.out.find("\nRoll Angle to Outside Diameter ");
    ASSERT_NE(section, std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\n\nInspection Measurements\n\n", section), std::string::npos) << run.out;
    for (const char* line :
         {"\nContact Ratio (Transverse)              1.", "\nInterference below the Base Circle      No",
          "\nMeasurement over Pins or Balls          8.60324      10.57709\n",
          "\nSpan Contact on Active Profile          Yes          Yes\n"}) {
        EXPECT_NE(run.out.find(line, section), std::string::npos) << line << run.out;
    }
}

struct RefusedCase {
    const char* name;
    Arguments arguments;
    int status;
    std::string message; // the first line of standard error
};

class RefusedMeasurementChoice : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedMeasurementChoice, SaysWhyWithItsStatus) {
    const RefusedCase& c = GetParam();
    const CommandRun run = RunCalc(c.arguments);
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.err.substr(0, run.err.find('\n')), c.message);
    if (c.status == 1) {
        EXPECT_EQ(run.out, "");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Choices, RefusedMeasurementChoice,
    ::testing::Values(
        RefusedCase{"PinOfZero", With(kExternal20To40, {"--measure", "--pin1", "0"}), 2,
                    "korvanta-calc: --pin1 takes a pin or ball diameter greater than 0, not '0'"},
        RefusedCase{"PinOfAPointOnly", With(kExternal20To40, {"--measure", "--pin2", "."}), 2,
                    "korvanta-calc: --pin2 takes a pin or ball diameter greater than 0, not '.'"},
        RefusedCase{"NegativePin", With(kExternal20To40, {"--measure", "--pin1", "-0.2"}), 2,
                    "korvanta-calc: --pin1 takes a number (digits and points only), not '-0.2'"},
        RefusedCase{"PinWithAUnit", With(kExternal20To40, {"--measure", "--pin1=0.2mm"}), 2,
                    "korvanta-calc: --pin1 takes a number (digits and points only), not '0.2mm'"},
        RefusedCase{"NoTeethSpanned", With(kExternal20To40, {"--measure", "--span1", "0"}), 2,
                    "korvanta-calc: --span1 takes 1 or more teeth spanned, not '0'"},
        RefusedCase{"FractionOfATooth", With(kExternal20To40, {"--measure", "--span1", "2.5"}), 2,
                    "korvanta-calc: --span1 takes a whole number (digits only), not '2.5'"},
        RefusedCase{"NegativeTeethSpanned", With(kExternal20To40, {"--measure", "--span2", "-3"}), 2,
                    "korvanta-calc: --span2 takes a whole number (digits only), not '-3'"},
        RefusedCase{"TooManyDigits", With(kExternal20To40, {"--measure", "--span2", "99999999"}), 2,
                    "korvanta-calc: --span2 99999999 is too large"},
        RefusedCase{"SpanGivenTwice", With(kExternal20To40, {"--measure", "--span1", "3", "--span1", "4"}), 2,
                    "korvanta-calc: --span1 is given more than once"},
        RefusedCase{"PinWithoutMeasure", With(kExternal20To40, {"--pin1", "0.2"}), 2,
                    "korvanta-calc: --pin1 chooses a tool for the measurements and needs --measure"},
        RefusedCase{"PinOptionsWithBatch",
                    {"--batch", "-", "--measure", "--span1", "3"},
                    2,
                    "korvanta-calc: --batch reads the pairs from its file and takes no --span1"},
        // Calculate's checks come first; then the teeth spanned must fit the pair.
        RefusedCase{"CalculateChecksFirst",
                    {"--nt1", "20", "--measure", "--span1", "30"},
                    1,
                    "Enter the number of teeth for Gear"},
        RefusedCase{"SpanOverEveryTooth", With(kExternal20To40, {"--measure", "--span1", "20"}), 1,
                    "span1 20 is too many: the pinion has 20 teeth, a span lies over 1 to 19 of them"},
        RefusedCase{"SpanOfTheInternalGear", With(kInternal20To60, {"--measure", "--span2", "7"}), 1,
                    "span2 7 does not apply: the internal gear is measured between pins, over no span"}),
    [](const ::testing::TestParamInfo<RefusedCase>& test) { return std::string(test.param.name); });

TEST(Measure, UnfitTeethSpannedAreARejectionInJson) {
    const CommandRun run = RunCalc(With(kExternal20To40, {"--measure", "--span2", "40", "--json"}));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out,
              "{\"error\": {\"title\": \"korvanta-calc\", \"message\": \"span2 40 is too many: the gear "
              "has 40 teeth, a span lies over 1 to 39 of them\", \"field\": \"\"},\n \"warnings\": []}\n");
}

} // namespace
