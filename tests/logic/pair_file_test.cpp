#include <gtest/gtest.h>

#include <string>

#include "logic/pair_file.h"

namespace korvanta {
namespace {

PairFile ExternalPair() {
    PairFile pair;
    pair.entries = {"20", "40", "10.00000", "20", "0", "2.20000", "4.20000", "3.00000"};
    pair.pinDiameter.pinion = "0.2";
    pair.spanTeeth.gear = "5";
    pair.job = {"P-1042", "G-1043",        "D 77-210",
                "C",      "Åsa Lindqvist", "Batch 7\nSecond shift\twith <tabs> & \"quotes\""};
    return pair;
}

PairFile InternalMetricPair() {
    PairFile pair;
    pair.kind = PairKind::Internal;
    pair.unit = LengthUnit::Millimetre;
    pair.entries = {"20", "60", "2.50000", "20", "12", "", "", ""};
    return pair;
}

TEST(PairFile, ReadsBackWhatItWroteAndWritesItAgainByteForByte) {
    for (const PairFile& pair : {ExternalPair(), InternalMetricPair(), PairFile{}}) {
        const std::string text = PairFileText(pair);
        const PairFileReading reading = ReadPairFile("kept.korvanta", text);
        ASSERT_TRUE(reading.pair.has_value()) << reading.error;
        EXPECT_EQ(*reading.pair, pair);
        EXPECT_FALSE(reading.notice.has_value());
        EXPECT_EQ(PairFileText(*reading.pair), text);
    }
}

TEST(PairFile, KeepsAToolsDiameterExactly) {
    PerMember<MeasurementChoice> choices;
    choices.pinion.pinDiameter = 0.1234567890123;
    choices.gear = {1.0 / 3.0, 7};
    PairFile pair;
    StoreChoices(pair, choices);
    EXPECT_EQ(pair.spanTeeth.gear, "7");
    const PairFileReading reading = ReadPairFile("tools.korvanta", PairFileText(pair));
    ASSERT_TRUE(reading.pair.has_value()) << reading.error;
    EXPECT_EQ(ChoicesOf(*reading.pair), choices);
}

// The text of a good file with one line replaced.
std::string Edited(const std::string& from, const std::string& to) {
    std::string text = PairFileText(ExternalPair());
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return text.replace(at, from.size(), to);
}

struct BadFile {
    const char* name;
    std::string bytes;
    const char* reason;
};

class BadPairFile : public ::testing::TestWithParam<BadFile> {};

TEST_P(BadPairFile, IsRefusedWithAMessageNamingTheFileAndTheFault) {
    const PairFileReading reading = ReadPairFile("/home/qa/pair.korvanta", GetParam().bytes);
    EXPECT_FALSE(reading.pair.has_value());
    EXPECT_NE(reading.error.find("\"/home/qa/pair.korvanta\""), std::string::npos) << reading.error;
    EXPECT_NE(reading.error.find(GetParam().reason), std::string::npos) << reading.error;
}

const std::string kGood = PairFileText(ExternalPair());

INSTANTIATE_TEST_SUITE_P(
    Faults, BadPairFile,
    ::testing::Values(
        BadFile{"Empty", "", "not complete, valid JSON"},
        BadFile{"NotJson", "nt1=20\n", "not complete, valid JSON"},
        BadFile{"Truncated", kGood.substr(0, kGood.size() / 2), "not complete, valid JSON"},
        BadFile{"Binary",
                std::string("\x7F"
                            "ELF\0\1\2",
                            7),
                "binary data"},
        BadFile{"NotUtf8", Edited("\"C\"", "\"\xC3\x28\""), "not complete, valid JSON"},
        BadFile{"TooLarge", kGood + std::string(kPairFileLimit, ' '), "larger than 1 MiB"},
        BadFile{"AnArray", "[1, 2]", "does not hold a JSON object"},
        BadFile{"OtherFormat", Edited("korvanta-pair", "gear-table"), "its format is \"gear-table\""},
        BadFile{"NewerMajorVersion", Edited("\"1.0\"", "\"2.0\""), "format version 2.0 by a newer Korvanta"},
        BadFile{"VersionNotANumber", Edited("\"1.0\"", "\"one\""), "a version such as \"1.0\""},
        BadFile{"MissingEntry", Edited("    \"od2\": \"4.20000\",\n", ""), "\"entries.od2\" is missing"},
        BadFile{"MissingJob", Edited("\"job\"", "\"jobs\""), "\"job\" is missing"},
        BadFile{"NumberForText", Edited("\"nt1\": \"20\"", "\"nt1\": 20"),
                "\"entries.nt1\" must hold a text"},
        BadFile{"UnknownUnits", Edited("\"inch\"", "\"feet\""), "\"inch\" or \"millimetre\""},
        BadFile{"UnknownKind", Edited("\"external\"", "\"bevel\""), "\"external\" or \"internal\""},
        BadFile{"DecimalComma", Edited("\"2.20000\"", "\"2,2\""), "holds characters its field does not take"},
        BadFile{"PointInTeeth", Edited("\"nt1\": \"20\"", "\"nt1\": \"20.5\""), "its field does not take"},
        BadFile{"TooLargeForTheField", Edited("\"3.00000\"", "\"" + std::string(45, '9') + "\""),
                "too large for its field"},
        BadFile{"SpanWithAPoint", Edited("\"span2\": \"5\"", "\"span2\": \"5.5\""), "measurement.span2"},
        BadFile{"LongJobText", Edited("\"D 77-210\"", "\"" + std::string(kJobTextLimit + 1, 'x') + "\""),
                "longer than 300 characters"},
        BadFile{"ControlCharacterInJobText", Edited("\"P-1042\"", "\"P-\\u001b[31m1042\""),
                "holds control characters"}),
    [](const ::testing::TestParamInfo<BadFile>& param) { return std::string(param.param.name); });

TEST(PairFile, ANewerMinorVersionOpensWithoutWhatItDoesNotKnowAndSaysSo) {
    const std::string newer =
        Edited("\"1.0\"", "\"1.4\"").insert(1, "\n  \"surface_finish\": {\"ra\": 0.8},");
    const PairFileReading reading = ReadPairFile("newer.korvanta", newer);
    ASSERT_TRUE(reading.pair.has_value()) << reading.error;
    EXPECT_EQ(*reading.pair, ExternalPair());
    ASSERT_TRUE(reading.notice.has_value());
    EXPECT_NE(reading.notice->find("format version 1.4"), std::string::npos);
}

TEST(PairFile, TypesOnlyTheEntriesThatAreNotEmpty) {
    const auto typed = TypedEntries(InternalMetricPair());
    EXPECT_EQ(typed[2], "2.50000");
    EXPECT_FALSE(typed[5].has_value());
}

} // namespace
} // namespace korvanta
