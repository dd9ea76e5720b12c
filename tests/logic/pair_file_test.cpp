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
    pair.sheet.faceWidth = 1.5;
    pair.sheet.accuracyClass = 6;
    pair.sheet.helixHand = HelixHand::Right;
    pair.sheet.tipRelief.pinion = TipRelief{TipRelief::StartGiven::Diameter, 2.1, 2.0, 6.0};
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

// The text without its sheet entries, the last key of the file.
std::string WithoutSheet(std::string text) {
    const auto at = text.find(",\n  \"sheet\"");
    EXPECT_NE(at, std::string::npos);
    return text.replace(at, std::string::npos, "\n}\n");
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
        BadFile{"NewerMajorVersion", Edited("\"1.1\"", "\"2.0\""), "format version 2.0 by a newer Korvanta"},
        BadFile{"VersionNotANumber", Edited("\"1.1\"", "\"one\""), "a version such as \"1.0\""},
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
                "holds control characters"},
        BadFile{"MissingSheet", WithoutSheet(PairFileText(ExternalPair())), "\"sheet\" is missing"},
        BadFile{"FaceWidthZero", Edited("\"face_width\": \"1.5\"", "\"face_width\": \"0\""),
                "\"sheet.face_width\" must hold a face width above 0"},
        BadFile{"FaceWidthWithAComma", Edited("\"face_width\": \"1.5\"", "\"face_width\": \"1,5\""),
                "\"sheet.face_width\" must hold a number, not \"1,5\""},
        BadFile{"FaceWidthInfinite", Edited("\"face_width\": \"1.5\"", "\"face_width\": \"inf\""),
                "\"sheet.face_width\" must hold a number"},
        BadFile{"ClassZero", Edited("\"accuracy_class\": \"6\"", "\"accuracy_class\": \"0\""),
                "a class from 1 to 11, not \"0\""},
        BadFile{"ClassTwelve", Edited("\"accuracy_class\": \"6\"", "\"accuracy_class\": \"12\""),
                "a class from 1 to 11, not \"12\""},
        BadFile{"ClassWithAFraction", Edited("\"accuracy_class\": \"6\"", "\"accuracy_class\": \"6.5\""),
                "a class from 1 to 11"},
        BadFile{"UnknownHand", Edited("\"right\"", "\"both\""), "\"sheet.helix_hand\" must hold \"right\""},
        BadFile{"ReliefNotAnObject", Edited("\"tip_relief2\": {}", "\"tip_relief2\": \"\""),
                "\"sheet.tip_relief2\" must hold an object"},
        BadFile{"ReliefWithBothStarts",
                Edited("\"start_diameter\"", "\"start_roll_angle\": \"20\", \"start_diameter\""),
                "either \"start_diameter\" or \"start_roll_angle\""},
        BadFile{"ReliefStartZero", Edited("\"start_diameter\": \"2.1\"", "\"start_diameter\": \"0\""),
                "\"sheet.tip_relief1.start_diameter\" must hold a number above 0"},
        BadFile{"ReliefNegative", Edited("\"least\": \"2\"", "\"least\": \"-1\""), "amounts of 0 or more"},
        BadFile{"ReliefLeastAboveMost", Edited("\"least\": \"2\"", "\"least\": \"7\""),
                "\"sheet.tip_relief1.least\" holds more relief than \"sheet.tip_relief1.most\""},
        BadFile{"ReliefWithoutMost", Edited(",\n      \"most\": \"6\"", ""),
                "\"sheet.tip_relief1.most\" is missing"},
        BadFile{"ReliefEmptyAmount", Edited("\"most\": \"6\"", "\"most\": \"\""),
                "\"sheet.tip_relief1.most\" must hold a number, not an empty text"}),
    [](const ::testing::TestParamInfo<BadFile>& param) { return std::string(param.param.name); });

TEST(PairFile, ANewerMinorVersionOpensWithoutWhatItDoesNotKnowAndSaysSo) {
    const std::string newer =
        Edited("\"1.1\"", "\"1.4\"").insert(1, "\n  \"surface_finish\": {\"ra\": 0.8},");
    const PairFileReading reading = ReadPairFile("newer.korvanta", newer);
    ASSERT_TRUE(reading.pair.has_value()) << reading.error;
    EXPECT_EQ(*reading.pair, ExternalPair());
    ASSERT_TRUE(reading.notice.has_value());
    EXPECT_NE(reading.notice->find("format version 1.4"), std::string::npos);
}

TEST(PairFile, AFileOfVersionOneZeroHasNoSheetEntries) {
    PairFile older = ExternalPair();
    older.sheet = {};
    std::string text = WithoutSheet(PairFileText(older));
    text.replace(text.find("\"1.1\""), 5, "\"1.0\"");
    const PairFileReading reading = ReadPairFile("older.korvanta", text);
    ASSERT_TRUE(reading.pair.has_value()) << reading.error;
    EXPECT_EQ(*reading.pair, older);
    EXPECT_FALSE(reading.notice.has_value());
}

TEST(PairFile, WritesTheSheetEntriesAsTexts) {
    const std::string text = PairFileText(ExternalPair());
    EXPECT_NE(text.find("\"version\": \"1.1\""), std::string::npos);
    EXPECT_NE(
        text.find(
            "  \"sheet\": {\n    \"face_width\": \"1.5\",\n    \"accuracy_class\": \"6\",\n"
            "    \"helix_hand\": \"right\",\n    \"tip_relief1\": {\n      \"start_diameter\": \"2.1\",\n"
            "      \"least\": \"2\",\n      \"most\": \"6\"\n    },\n    \"tip_relief2\": {}\n  }\n}\n"),
        std::string::npos)
        << text;
}

TEST(PairFile, KeepsARollAngleStartAndNoHand) {
    PairFile pair = InternalMetricPair();
    pair.sheet.tipRelief.gear = TipRelief{TipRelief::StartGiven::RollAngle, 1.0 / 3.0, 0.0, 0.1};
    const PairFileReading reading = ReadPairFile("relief.korvanta", PairFileText(pair));
    ASSERT_TRUE(reading.pair.has_value()) << reading.error;
    EXPECT_EQ(*reading.pair, pair);
}

TEST(PairFile, TypesOnlyTheEntriesThatAreNotEmpty) {
    const auto typed = TypedEntries(InternalMetricPair());
    EXPECT_EQ(typed[2], "2.50000");
    EXPECT_FALSE(typed[5].has_value());
}

} // namespace
} // namespace korvanta
