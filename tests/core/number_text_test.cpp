#include <clocale>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "core/number_text.h"

namespace korvanta {
namespace {

struct GeneralCase {
    double value;
    const char* single;
    const char* doubleText;
};

class GeneralTextTest : public ::testing::TestWithParam<GeneralCase> {};

TEST_P(GeneralTextTest, WritesSevenAndFifteenSignificantDigits) {
    EXPECT_EQ(SingleGeneralText(Single(GetParam().value)), GetParam().single);
    EXPECT_EQ(DoubleGeneralText(GetParam().value), GetParam().doubleText);
}

INSTANTIATE_TEST_SUITE_P(Values, GeneralTextTest,
                         ::testing::Values(GeneralCase{0.0, "0", "0"}, GeneralCase{25.0, "25", "25"},
                                           GeneralCase{0.1, "0.1", "0.1"}, GeneralCase{-2.5, "-2.5", "-2.5"},
                                           GeneralCase{12.3456789, "12.34568", "12.3456789"},
                                           GeneralCase{0.0001, "0.0001", "0.0001"},
                                           GeneralCase{0.00001, "1E-05", "1E-05"},
                                           GeneralCase{1234567.0, "1234567", "1234567"},
                                           GeneralCase{12345678.0, "1.234568E+07", "12345678"},
                                           GeneralCase{1234567890123.0, "1.234568E+12", "1234567890123"},
                                           GeneralCase{9999999.6, "1E+07", "9999999.6"},
                                           GeneralCase{1.0 / 3.0, "0.3333333", "0.333333333333333"},
                                           GeneralCase{3.4e38, "3.4E+38", "3.4E+38"}));

TEST(DoubleGeneralText, WritesThreeExponentDigits) {
    EXPECT_EQ(DoubleGeneralText(1e100), "1E+100");
    EXPECT_EQ(DoubleGeneralText(-1.5e-300), "-1.5E-300");
}

TEST(SingleGeneralText, RoundsAnExactTieAwayFromZero) {
    // 2^-11 = 0.00048828125 is exact in a float; its eighth digit is an exact 5.
    EXPECT_EQ(SingleGeneralText(Single(0.00048828125)), "0.0004882813");
    EXPECT_EQ(SingleGeneralText(Single(-0.00048828125)), "-0.0004882813");
}

TEST(GeneralTexts, WidthFollowsTheNameNotTheArgumentType) {
    const Single outsideDiameter = 2.2;
    EXPECT_EQ(SingleGeneralText(outsideDiameter * 1.0), "2.2");
    EXPECT_EQ(DoubleGeneralText(outsideDiameter), "2.20000004768372");
}

TEST(SignedSingleGeneralText, PutsABlankBeforeANonNegativeValue) {
    EXPECT_EQ(SignedSingleGeneralText(Single(25.0)), " 25");
    EXPECT_EQ(SignedSingleGeneralText(Single(0.0)), " 0");
    EXPECT_EQ(SignedSingleGeneralText(Single(-1.5)), "-1.5");
}

struct PatternCase {
    const char* text;
    int decimals;
    const char* shown;
};

class PatternTextTest : public ::testing::TestWithParam<PatternCase> {};

TEST_P(PatternTextTest, RoundsTheDecimalTextHalfAwayFromZero) {
    EXPECT_EQ(PatternText(GetParam().text, GetParam().decimals), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PatternTextTest,
    ::testing::Values(PatternCase{"2", 5, "2.00000"}, PatternCase{".5", 3, "0.500"},
                      PatternCase{"2.00005", 4, "2.0001"}, PatternCase{"2.00004999", 4, "2.0000"},
                      PatternCase{"-2.00005", 4, "-2.0001"}, PatternCase{"0.0005", 3, "0.001"},
                      PatternCase{"9.99995", 4, "10.0000"}, PatternCase{"999.9995", 3, "1000.000"},
                      PatternCase{"12.34568", 6, "12.345680"}, PatternCase{"-0.00001", 4, "-0.0000"},
                      PatternCase{"-0.00004", 4, "-0.0000"}, PatternCase{"-0", 4, "0.0000"},
                      PatternCase{"1E-05", 5, "0.00001"}, PatternCase{"1.234568E+12", 3, "1234568000000.000"},
                      PatternCase{" 25", 5, "25.00000"}, PatternCase{"007.25", 3, "7.250"},
                      PatternCase{"", 5, ""}, PatternCase{".", 5, "."}, PatternCase{"2.5.1", 5, "2.5.1"},
                      PatternCase{"abc", 4, "abc"}, PatternCase{"12x", 4, "12x"}));

TEST(PatternValue, RoundsFromTheFifteenDigitText) {
    // 2.00005 is held slightly below its decimal text; the 15-digit text still ends in 5.
    EXPECT_EQ(PatternValue(2.00005, 4), "2.0001");
    EXPECT_EQ(PatternValue(0.0004999999999999999, 3), "0.001");
    EXPECT_EQ(PatternValue(Single(20.85396), 3), "20.854");
    EXPECT_EQ(PatternValue(-5.960464e-07, 4), "-0.0000");
    EXPECT_EQ(PatternValue(Single(3.4e38), 4), "339999995214436000000000000000000000000.0000");
}

TEST(PatternOfSingleGeneral, RoundsTwiceThroughTheSevenDigitText) {
    EXPECT_EQ(PatternOfSingleGeneral(Single(12.3456789), 6), "12.345680");
    EXPECT_EQ(PatternValue(Single(12.3456789), 6), "12.345679");
    EXPECT_EQ(PatternOfDoubleGeneral(1.8793852415718, 6), "1.879385");
    EXPECT_EQ(FiveDecimalText(Single(3.4e38)), "340000000000000000000000000000000000000.00000");
    EXPECT_EQ(FiveDecimalText(Single(0.00001)), "0.00001");
}

struct LeadingCase {
    const char* text;
    double value;
};

class LeadingNumberTest : public ::testing::TestWithParam<LeadingCase> {};

TEST_P(LeadingNumberTest, ReadsTheLongestNumericPrefix) {
    EXPECT_EQ(LeadingNumber(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Texts, LeadingNumberTest,
                         ::testing::Values(LeadingCase{"2.5.1", 2.5}, LeadingCase{"", 0.0},
                                           LeadingCase{".", 0.0}, LeadingCase{"abc", 0.0},
                                           LeadingCase{"-", 0.0}, LeadingCase{"-3.25", -3.25},
                                           LeadingCase{"12abc", 12.0}, LeadingCase{".5", 0.5},
                                           LeadingCase{"5.", 5.0}, LeadingCase{" 25", 25.0},
                                           LeadingCase{"1E-05", 1e-05},
                                           LeadingCase{"1.234568E+12", 1.234568e12}, LeadingCase{"2E", 2.0},
                                           LeadingCase{"2e+", 2.0}, LeadingCase{"0.1", 0.1}));

TEST(LeadingNumber, ReadsAnEndlessNumberAsInfinityAndAVanishingOneAsZero) {
    const std::string huge = "1" + std::string(400, '0');
    EXPECT_EQ(LeadingNumber(huge), std::numeric_limits<double>::infinity());
    EXPECT_EQ(LeadingNumber("-" + huge), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(LeadingNumber("1E-400"), 0.0);
}

TEST(RoundToFiveDecimals, RoundsTheValueAndReadsItBack) {
    EXPECT_EQ(RoundToFiveDecimals(Single(0.529774)).Value(), 0.52977f);
    EXPECT_EQ(RoundToFiveDecimals(Single(2.000005)).Value(), 2.00001f);
    EXPECT_EQ(RoundToFiveDecimals(Single(-5.960464e-07)).Value(), 0.0f);
}

TEST(NumberTexts, IgnoreACommaLocale) {
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
        GTEST_SKIP() << "de_DE.UTF-8 locale not installed";
    }
    const std::string general = SingleGeneralText(Single(2.5));
    const std::string pattern = PatternValue(1.25, 4);
    const double read = LeadingNumber("2.5");
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(general, "2.5");
    EXPECT_EQ(pattern, "1.2500");
    EXPECT_EQ(read, 2.5);
}

} // namespace
} // namespace korvanta
