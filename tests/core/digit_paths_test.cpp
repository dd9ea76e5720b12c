#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

#include "core/decimal_digits.h"
#include "core/number_text.h"

namespace {

using korvanta::decimal::Digits;
using korvanta::decimal::ExactDigits;
using korvanta::decimal::RoundSignificant;
using korvanta::decimal::SignificantDigits;

// The whole expansion written with 780 significant digits, more than any double has.
std::string FullExpansion(double value) {
    std::array<char, 800> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                                      std::chars_format::scientific, 779);
    std::string text(buffer.data(), result.ptr);
    const auto mark = text.find('e');
    std::string digits = text.substr(0, 1) + text.substr(2, mark - 2);
    digits.erase(digits.find_last_not_of('0') + 1);
    return digits + "e" + std::to_string(std::stoi(text.substr(mark + 1)) + 1);
}

std::string Written(const Digits& number) {
    return number.digits + "e" + std::to_string(number.pointPosition);
}

void ExpectFullExpansion(double value) {
    const Digits number = ExactDigits(value);
    EXPECT_EQ(number.negative, std::signbit(value)) << value;
    EXPECT_EQ(Written(number), FullExpansion(value)) << std::hexfloat << value;
}

TEST(ExactDigits, EdgesOfTheDoubleRange) {
    for (double value : {std::numeric_limits<double>::max(), std::numeric_limits<double>::min(),
                         std::numeric_limits<double>::denorm_min(), std::nextafter(1.0, 2.0),
                         std::nextafter(1.0, 0.0), 0.1, 1.0 / 3.0, 1e22, 1e23, 9007199254740993.0, -2.5,
                         5e-324, 2.2250738585072009e-308, static_cast<double>(3.4028235e38f)}) {
        ExpectFullExpansion(value);
    }
}

// Every Single of the program widened to a double, and the doubles in between, from every binade.
TEST(ExactDigits, RandomBitPatternsGiveTheWholeExpansion) {
    std::mt19937_64 random(20261208);
    for (int i = 0; i < 200000; ++i) {
        const auto bits = random();
        const double wide = std::bit_cast<double>(bits);
        const float narrow = std::bit_cast<float>(static_cast<std::uint32_t>(bits));
        if (std::isfinite(wide) && wide != 0.0) {
            ExpectFullExpansion(wide);
        }
        if (std::isfinite(narrow) && narrow != 0.0f) {
            ExpectFullExpansion(narrow);
        }
    }
}

TEST(ExactDigits, ValuesOfTheCalculationsRange) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> exponent(-12.0, 12.0);
    for (int i = 0; i < 100000; ++i) {
        const double value = std::pow(10.0, exponent(random));
        ExpectFullExpansion(value);
        ExpectFullExpansion(static_cast<float>(value));
    }
}

void ExpectRoundedAsTheWholeExpansion(double value, int count) {
    const Digits fast = SignificantDigits(value, count);
    const Digits exact = RoundSignificant(ExactDigits(value), count);
    EXPECT_EQ(fast.negative, exact.negative) << value;
    EXPECT_EQ(Written(fast), Written(exact)) << std::hexfloat << value << " to " << count << " digits";
}

// The texts of the program round to 7 (Single) and 15 (double) significant digits.
TEST(SignificantDigits, RandomValuesRoundAsTheWholeExpansion) {
    std::mt19937_64 random(99);
    std::uniform_real_distribution<double> exponent(-12.0, 12.0);
    for (int i = 0; i < 100000; ++i) {
        const double value = std::pow(10.0, exponent(random)) * (i % 2 == 0 ? 1.0 : -1.0);
        const auto bits = random();
        const double wide = std::bit_cast<double>(bits);
        for (int count : {1, 4, 7, 15, 16, 17}) {
            ExpectRoundedAsTheWholeExpansion(value, count);
            ExpectRoundedAsTheWholeExpansion(static_cast<float>(value), count);
            if (std::isfinite(wide)) {
                ExpectRoundedAsTheWholeExpansion(wide, count);
            }
        }
    }
}

// Exact halves (1234567.5 to 7 digits), values a hair off a half whose short expansion reads as one,
// and sums that carry into a new leading digit.
TEST(SignificantDigits, HalvesAndNearHalvesRoundAsTheWholeExpansion) {
    std::mt19937_64 random(5);
    std::uniform_int_distribution<long long> stem(1000000, 9999999);
    std::uniform_int_distribution<int> shift(-10, 10);
    for (int i = 0; i < 100000; ++i) {
        const double half = (static_cast<double>(stem(random)) + 0.5) * std::pow(10.0, shift(random));
        for (double value : {half, std::nextafter(half, 0.0), std::nextafter(half, 1e300),
                             static_cast<double>(static_cast<float>(half))}) {
            ExpectRoundedAsTheWholeExpansion(value, 7);
            ExpectRoundedAsTheWholeExpansion(value, 8);
        }
    }
    for (double value : {9999999.5, 9999999.4999999, 0.99999995, 2.5, 0.125, 1e23, 5e-324,
                         std::numeric_limits<double>::max(), 999999999999999.5, 0.15, 0.25}) {
        for (int count = 1; count <= 17; ++count) {
            ExpectRoundedAsTheWholeExpansion(value, count);
        }
    }
}

// The patterns of a value start from the digits of its general text instead of reading the text back.
TEST(PatternPaths, ValuesGiveThePatternOfTheirGeneralText) {
    std::mt19937_64 random(1208);
    std::uniform_real_distribution<double> exponent(-9.0, 9.0);
    std::uniform_int_distribution<int> stem(0, 99999999);
    for (int i = 0; i < 50000; ++i) {
        const double scaled = std::pow(10.0, exponent(random)) * (i % 3 == 0 ? -1.0 : 1.0);
        // Values on and next to a decimal half: 2.123455 to five decimals.
        const double half = (stem(random) * 10 + 5) * std::pow(10.0, -(i % 12));
        for (double value : {scaled, half, std::nextafter(half, 0.0), -half, 0.0, -0.0}) {
            const korvanta::Single single = value;
            for (int decimals = 3; decimals <= 6; ++decimals) {
                EXPECT_EQ(korvanta::PatternValue(value, decimals),
                          korvanta::PatternText(korvanta::DoubleGeneralText(value), decimals))
                    << std::hexfloat << value;
                EXPECT_EQ(korvanta::PatternOfSingleGeneral(single, decimals),
                          korvanta::PatternText(korvanta::SingleGeneralText(single), decimals))
                    << std::hexfloat << value;
                EXPECT_EQ(korvanta::PatternOfDoubleGeneral(value, decimals),
                          korvanta::PatternText(korvanta::DoubleGeneralText(value), decimals))
                    << std::hexfloat << value;
            }
        }
    }
}

} // namespace
