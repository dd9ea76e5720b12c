#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>

#include "core/decimal_digits.h"
#include "core/number_text.h"
#include "core/single.h"

namespace {

using korvanta::DoubleGeneralText;
using korvanta::LeadingNumber;
using korvanta::PatternOfSingleGeneral;
using korvanta::PatternText;
using korvanta::PatternValue;
using korvanta::SingleGeneralText;

double ReadByLibrary(const std::string& text) {
    double value = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// Short texts take the quick reading; they must give the same double as the library's reading.
TEST(LeadingNumberPaths, ShortTextsReadAsTheLibraryReadsThem) {
    std::mt19937_64 random(314);
    std::uniform_int_distribution<int> length(1, 17);
    std::uniform_int_distribution<int> digit(0, 9);
    for (int i = 0; i < 300000; ++i) {
        const int digits = length(random);
        const int point = std::uniform_int_distribution<int>(0, digits)(random);
        std::string text;
        for (int d = 0; d < digits; ++d) {
            if (d == point) {
                text += '.';
            }
            text += static_cast<char>('0' + digit(random));
        }
        const double expected = ReadByLibrary(text);
        EXPECT_EQ(LeadingNumber(text), expected == 0.0 ? 0.0 : expected) << text;
        EXPECT_EQ(LeadingNumber("-" + text), expected == 0.0 ? 0.0 : -expected) << text;
    }
}

TEST(LeadingNumberPaths, EdgesOfTheQuickReading) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"999999999999999", 999999999999999.0},
        {"9999999999999999", 9999999999999999.0},
        {"0.0000000000000000000001", 1e-22},
        {"0.00000000000000000000001", 1e-23},
        {"1.5E-05", 1.5e-05},
        {"  +2.5", 2.5},
        {"2.5.1", 2.5},
        {".5", 0.5},
        {"5.", 5.0},
        {"000000000000000000012.5", 12.5},
        {"0E99", 0.0},
        {"-0", 0.0},
        {".", 0.0},
        {"", 0.0},
        {"1e400", HUGE_VAL},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LeadingNumber(c.text), c.value) << c.text;
    }
    EXPECT_FALSE(std::signbit(LeadingNumber("-0.000")));
}

// The patterns of very large and very small values leave the 64-bit units and take the digit path.
TEST(PatternPaths, ValuesOfEveryMagnitudeGiveThePatternOfTheirGeneralText) {
    std::mt19937_64 random(2026);
    std::uniform_real_distribution<double> exponent(-30.0, 30.0);
    for (int i = 0; i < 50000; ++i) {
        const double value = std::pow(10.0, exponent(random)) * (i % 2 == 0 ? 1.0 : -1.0);
        for (int decimals = 3; decimals <= 6; ++decimals) {
            EXPECT_EQ(PatternValue(value, decimals), PatternText(DoubleGeneralText(value), decimals))
                << value;
            if (std::fabs(value) < 3e38) {
                const korvanta::Single single = value;
                EXPECT_EQ(PatternOfSingleGeneral(single, decimals),
                          PatternText(SingleGeneralText(single), decimals))
                    << value;
            }
        }
    }
    // The 15-digit text "0.9999995" rounds up, though the double lies below the half.
    EXPECT_EQ(DoubleGeneralText(0.99999949999999995), "0.9999995");
    EXPECT_EQ(PatternValue(0.99999949999999995, 6), "1.000000");
    EXPECT_EQ(PatternValue(-0.0000004, 6), "-0.000000");
    // Units of 10^-6 beyond 64 bits.
    EXPECT_EQ(PatternValue(18446744073709.55, 6), "18446744073709.600000");
    EXPECT_EQ(PatternValue(123456789012345678.0, 3), "123456789012346000.000");
}

// A value a Single holds takes its units straight from its binary digits: they must be those of its
// 15-digit general text, for values next to a half unit of every table decimal as well.
TEST(PatternPaths, SingleValuesGiveThePatternOfTheirGeneralText) {
    std::mt19937_64 random(1328);
    std::uniform_real_distribution<double> exponent(-12.0, 7.5);
    std::uniform_int_distribution<std::int64_t> units(0, 99'999'999'999);
    for (int i = 0; i < 25000; ++i) {
        const double sign = i % 2 == 0 ? 1.0 : -1.0;
        for (int decimals : {3, 4, 6}) {
            const double half =
                (static_cast<double>(units(random) % 10'000'000'000) + 0.5) / std::pow(10.0, decimals);
            const auto single = static_cast<float>(std::pow(10.0, exponent(random)));
            const auto near = static_cast<float>(half);
            for (float value : {single, near, std::nextafter(near, 0.0F), std::nextafter(near, 1e30F)}) {
                const double exact = sign * static_cast<double>(value);
                std::string text = "stale";
                korvanta::AssignPatternValue(text, exact, decimals);
                EXPECT_EQ(text, PatternText(DoubleGeneralText(exact), decimals)) << std::hexfloat << exact;
            }
        }
    }
    // Whole numbers and quarters, and values from 1 to 1000, take paths of their own to the five
    // decimals of a Single's text.
    for (int quarters = -400004; quarters <= 400004; quarters += 29) {
        for (double value : {quarters / 4.0, quarters / 4.0 + 0.1, quarters * 0.2501}) {
            const korvanta::Single single = value;
            std::string text = "stale";
            korvanta::AssignPatternOfSingleGeneral(text, single, 5);
            EXPECT_EQ(text, PatternText(SingleGeneralText(single), 5)) << value;
        }
    }
    // Next to the powers of ten where the seventh digit moves to another decimal, and the halves of the
    // seventh digit just below them.
    for (float power : {1.0F, 10.0F, 100.0F, 1000.0F}) {
        for (float value :
             {power, std::nextafter(power, 0.0F), std::nextafter(power, 1e30F), power * 0.99999995F,
              std::nextafter(power * 0.99999995F, 0.0F), -std::nextafter(power, 0.0F)}) {
            const korvanta::Single single = value;
            std::string text = "stale";
            korvanta::AssignPatternOfSingleGeneral(text, single, 5);
            EXPECT_EQ(text, PatternText(SingleGeneralText(single), 5)) << std::hexfloat << value;
            EXPECT_EQ(korvanta::FiveDecimalNumber(single), LeadingNumber(korvanta::FiveDecimalText(single)))
                << std::hexfloat << value;
        }
    }
    std::string text;
    korvanta::AssignPatternValue(text, -0.00001, 4);
    EXPECT_EQ(text, "-0.0000");
    korvanta::AssignPatternValue(text, -0.0, 3, "\xC2\xB0");
    EXPECT_EQ(text, "0.000\xC2\xB0");
    korvanta::AssignPatternValue(text, 9999999.0, 6);
    EXPECT_EQ(text, "9999999.000000");
    korvanta::AssignPatternValue(text, 0.0005F, 3);
    EXPECT_EQ(text, PatternText(DoubleGeneralText(0.0005F), 3));
}

} // namespace

namespace {

// C's %.<precision>G, which rounds the exact binary value: it differs from the general text only on
// an exact decimal tie, which the general text rounds away from zero.
bool IsExactTie(double value, int precision) {
    const korvanta::decimal::Digits exact = korvanta::decimal::ExactDigits(value);
    return static_cast<int>(exact.digits.size()) == precision + 1 && exact.digits.back() == '5';
}

std::string PrintfGeneral(double value, int precision) {
    std::array<char, 64> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%.*G", precision, value);
    return buffer.data();
}

TEST(GeneralTextPaths, GeneralTextsAreTheCLibraryTextsOffTies) {
    std::mt19937_64 random(77);
    std::uniform_real_distribution<double> exponent(-40.0, 40.0);
    for (int i = 0; i < 200000; ++i) {
        const double value = std::pow(10.0, exponent(random)) * (i % 2 == 0 ? 1.0 : -1.0);
        if (!IsExactTie(value, 15)) {
            EXPECT_EQ(DoubleGeneralText(value), PrintfGeneral(value, 15)) << std::hexfloat << value;
        }
        if (std::fabs(value) < 3e38) {
            const korvanta::Single single = value;
            if (!IsExactTie(single, 7)) {
                EXPECT_EQ(SingleGeneralText(single), PrintfGeneral(single, 7)) << std::hexfloat << value;
            }
        }
    }
    EXPECT_EQ(SingleGeneralText(korvanta::Single(0.0001f)), "0.0001");
    EXPECT_EQ(SingleGeneralText(korvanta::Single(0.00001f)), "1E-05");
    EXPECT_EQ(SingleGeneralText(korvanta::Single(1234567.5f)), "1234568");
    EXPECT_EQ(DoubleGeneralText(0.125), "0.125");
    EXPECT_EQ(DoubleGeneralText(-0.0), "0");
}

} // namespace

namespace {

// The five-decimal rounding of the calculations reads back the pattern text; its quick path skips
// the text and must give the same Single, the unsigned zero of "-0.00000" included.
TEST(RoundToFiveDecimalsPaths, SameAsReadingThePatternBack) {
    std::mt19937_64 random(505);
    std::uniform_real_distribution<double> exponent(-12.0, 12.0);
    std::uniform_int_distribution<int> stem(0, 99999999);
    for (int i = 0; i < 200000; ++i) {
        const double scaled = std::pow(10.0, exponent(random)) * (i % 2 == 0 ? 1.0 : -1.0);
        const double half = (stem(random) * 10 + 5) * std::pow(10.0, -(i % 12)) * (i % 3 == 0 ? -1.0 : 1.0);
        for (double wide : {scaled, half, std::nextafter(half, 0.0), 0.0, -0.0, -0.000004, 0.000005}) {
            if (std::fabs(wide) >= 3e38) {
                continue;
            }
            const korvanta::Single value = wide;
            const korvanta::Single expected = korvanta::LeadingNumber(PatternValue(value, 5));
            const korvanta::Single rounded = korvanta::RoundToFiveDecimals(value);
            EXPECT_EQ(rounded.Value(), expected.Value()) << std::hexfloat << wide;
            EXPECT_EQ(std::signbit(rounded.Value()), std::signbit(expected.Value())) << std::hexfloat << wide;
        }
    }
}

// A field that shows a value with five decimals holds the number its text reads; the quick path
// skips the text and must give the same double, "-0.00000" reading an unsigned zero.
TEST(FiveDecimalNumberPaths, SameAsReadingTheFieldTextBack) {
    std::mt19937_64 random(606);
    std::uniform_real_distribution<double> exponent(-12.0, 20.0);
    std::uniform_int_distribution<int> stem(0, 99999999);
    for (int i = 0; i < 200000; ++i) {
        const double scaled = std::pow(10.0, exponent(random)) * (i % 2 == 0 ? 1.0 : -1.0);
        const double half = (stem(random) * 10 + 5) * std::pow(10.0, -(i % 12)) * (i % 3 == 0 ? -1.0 : 1.0);
        // Whole numbers and quarters, which take a path of their own, up to and beyond its limit.
        const double quarters = (stem(random) % 800004 - 400002) / 4.0;
        const double limit = i % 4 == 0   ? 99999.75
                             : i % 4 == 1 ? 100000.0
                             : i % 4 == 2 ? -100000.25
                                          : 1048576.5;
        for (double wide : {scaled, half, std::nextafter(half, 0.0), quarters, limit, 0.0, -0.0, -0.000004,
                            0.000005, 3e38}) {
            const korvanta::Single value = wide;
            const double expected = LeadingNumber(korvanta::FiveDecimalText(value));
            const double number = korvanta::FiveDecimalNumber(value);
            EXPECT_EQ(number, expected) << std::hexfloat << wide;
            EXPECT_EQ(std::signbit(number), std::signbit(expected)) << std::hexfloat << wide;
        }
    }
}

} // namespace

namespace {

// The general text written from the digit string, as the full path writes it: plain decimals while
// the decimal exponent lies in [-4, precision), otherwise the exponent form.
std::string GeneralFromDigits(double value, int precision) {
    const korvanta::decimal::Digits number = korvanta::decimal::SignificantDigits(value, precision);
    if (number.digits.empty()) {
        return "0";
    }
    const std::string sign = number.negative ? "-" : "";
    const std::string& d = number.digits;
    const int exponent = number.pointPosition - 1;
    if (exponent < -4 || exponent >= precision) {
        const int magnitude = exponent < 0 ? -exponent : exponent;
        return sign + d.substr(0, 1) + (d.size() > 1 ? "." + d.substr(1) : "") +
               (exponent < 0 ? "E-" : "E+") + (magnitude < 10 ? "0" : "") + std::to_string(magnitude);
    }
    if (number.pointPosition <= 0) {
        return sign + "0." + std::string(static_cast<std::size_t>(-number.pointPosition), '0') + d;
    }
    const auto integerDigits = static_cast<std::size_t>(number.pointPosition);
    if (d.size() <= integerDigits) {
        return sign + d + std::string(integerDigits - d.size(), '0');
    }
    return sign + d.substr(0, integerDigits) + "." + d.substr(integerDigits);
}

// Texts written without an exponent come from the rounded integer digits at once; they must be those
// written from the digit string, for whole numbers, their halves and values of every magnitude.
TEST(GeneralTextPaths, PlainTextsFromTheIntegerDigitsAreThoseOfTheDigitString) {
    std::mt19937_64 random(1789);
    std::uniform_real_distribution<double> exponent(-8.0, 18.0);
    std::uniform_int_distribution<int> whole(0, 2000);
    for (int i = 0; i < 200000; ++i) {
        const double sign = i % 2 == 0 ? 1.0 : -1.0;
        const double magnitude = std::pow(10.0, exponent(random));
        for (double value : {magnitude * sign, std::trunc(magnitude) * sign, whole(random) * sign,
                             (whole(random) + 0.5) * sign, 9999999.5 * sign, 9999999.0 * sign, 1e7 * sign,
                             999999999999999.0 * sign, 1e15 * sign, 0.0, -0.0}) {
            EXPECT_EQ(DoubleGeneralText(value), GeneralFromDigits(value, 15)) << std::hexfloat << value;
            const korvanta::Single single = value;
            EXPECT_EQ(SingleGeneralText(single), GeneralFromDigits(single, 7)) << std::hexfloat << value;
        }
    }
}

} // namespace
