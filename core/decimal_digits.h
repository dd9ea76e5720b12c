#pragma once

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

// Decimal digit strings of numbers, rounded half away from zero on the digits themselves, without
// the C library's locale.
namespace korvanta::decimal {

// value = (negative ? -1 : 1) × 0.d1d2d3... × 10^pointPosition; `digits` has no leading zero and is
// empty for zero.
struct Digits {
    bool negative = false;
    std::string digits;
    int pointPosition = 0;
};

// The exact decimal value of a finite double.
Digits ExactDigits(double value);

// Rounded half away from zero to `count` significant digits; trailing zeros dropped.
Digits RoundSignificant(Digits number, int count);

// RoundSignificant(ExactDigits(value), count), from the first count + 1 digits alone (exact integer
// arithmetic) where they can be had without the whole expansion.
Digits SignificantDigits(double value, int count);

// A rounded number as an integer and a power of ten: (negative ? -1 : 1) × significand × 10^exponent.
struct Scaled {
    bool negative = false;
    std::uint64_t significand = 0;
    int exponent = 0;
};

// SignificantDigits(value, count) as an integer (its trailing zeros may stay; zero keeps its sign), from
// exact integer arithmetic; nothing where that cannot have it (not finite, subnormal, very large or
// very small values, more than 17 digits).
std::optional<Scaled> ScaledSignificant(double value, int count);

// |number| rounded half away from zero to `decimals` digits after the decimal point, counted in units
// of 10^-decimals (the digits of RoundDecimals); nothing when they do not fit in 64 bits.
std::optional<std::uint64_t> DecimalUnits(const Scaled& number, int decimals);

// Rounded half away from zero to `decimals` digits after the decimal point; trailing zeros dropped.
// The sign is kept when a non-zero value rounds to zero.
Digits RoundDecimals(Digits number, int decimals);

struct Scan {
    Digits number;
    std::size_t length = 0; // characters of the text that make up the number, 0 when none
};

// The longest leading part of the text (after leading blanks) that reads as a decimal number: an
// optional sign, digits with at most one decimal point, at least one digit, and an optional exponent
// ("E" or "e", an optional sign, digits).
Scan ScanNumber(std::string_view text);

// The integer paths are defined here, inline: every number text of a table goes through them, and
// calling them and passing their optionals cost about as much as their arithmetic.
namespace detail {

__extension__ using Wide = unsigned __int128;

// Powers of ten up to 10^22: times a 53-bit mantissa they stay below 2^127.
inline constexpr int kLargestScale = 22;
inline constexpr std::array<Wide, kLargestScale + 1> kPowersOfTen = [] {
    std::array<Wide, kLargestScale + 1> powers{};
    powers[0] = 1;
    for (int i = 1; i <= kLargestScale; ++i) {
        powers[static_cast<std::size_t>(i)] = powers[static_cast<std::size_t>(i - 1)] * 10;
    }
    return powers;
}();

// The first count + 1 significant digits of |value|, cut off: |value| × 10^scale lies in
// [digits, digits + 1).
struct Leading {
    std::uint64_t digits = 0;
    int scale = 0;
};

// Exact in 128-bit integers: |value| = mantissa / 2^shift, so the cut-off digits are
// (mantissa × 10^scale) >> shift. Nothing for zero, for more than 17 digits, and for values too large
// or too small for that product.
inline std::optional<Leading> LeadingDigits(double value, int count) {
    constexpr int kMantissaBits = std::numeric_limits<double>::digits;
    constexpr int kWideBits = 127;
    constexpr int kMostDigits = 17;
    if (value == 0.0 || !std::isfinite(value) || count < 1 || count > kMostDigits) {
        return std::nullopt;
    }
    // The bits of a normal double: 52 stored mantissa bits below an 11-bit biased exponent.
    constexpr int kStoredBits = kMantissaBits - 1;
    constexpr int kExponentBias = 1022;
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const int biasedExponent = static_cast<int>((bits >> kStoredBits) & 0x7FF);
    if (biasedExponent == 0) {
        return std::nullopt;
    }
    const std::uint64_t mantissa =
        (bits & ((std::uint64_t{1} << kStoredBits) - 1)) | (std::uint64_t{1} << kStoredBits);
    const int binaryExponent =
        biasedExponent - kExponentBias; // |value| = 0.1mmm... (binary) × 2^binaryExponent
    const int shift = kMantissaBits - binaryExponent;
    if (shift < 0 || shift > kWideBits) {
        return std::nullopt;
    }
    const std::size_t wanted = static_cast<std::size_t>(count);
    // 2^(e-1) <= |value| < 2^e: the decimal exponent is within one of (e - 1) log10 2, taken in
    // integers as (e - 1) × 1233 / 4096 rounded down (the shift of a negative number rounds down too);
    // the digit count corrects it.
    constexpr int kLog10Of2Times4096 = 1233;
    constexpr int kShift4096 = 12;
    int scale = count - (((binaryExponent - 1) * kLog10Of2Times4096) >> kShift4096);
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (scale < 0 || scale > kLargestScale) {
            return std::nullopt;
        }
        const Wide digits = (Wide{mantissa} * kPowersOfTen[static_cast<std::size_t>(scale)]) >> shift;
        if (digits < kPowersOfTen[wanted]) {
            ++scale;
        } else if (digits >= kPowersOfTen[wanted + 1]) {
            --scale;
        } else {
            return Leading{static_cast<std::uint64_t>(digits), scale};
        }
    }
    return std::nullopt;
}

} // namespace detail

inline std::optional<Scaled> ScaledSignificant(double value, int count) {
    if (value == 0.0) {
        Scaled zero;
        zero.negative = std::signbit(value);
        return zero;
    }
    const std::optional<detail::Leading> leading = detail::LeadingDigits(value, count);
    if (!leading) {
        return std::nullopt;
    }
    // Half away from zero: up exactly when the first dropped digit is 5 or more, whatever follows it.
    Scaled number;
    number.negative = std::signbit(value);
    number.significand = leading->digits / 10 + (leading->digits % 10 >= 5 ? 1 : 0);
    number.exponent = 1 - leading->scale;
    return number;
}

inline std::optional<std::uint64_t> DecimalUnits(const Scaled& number, int decimals) {
    const int shift = number.exponent + decimals; // |number| = significand × 10^shift units
    if (shift >= 0) {
        if (shift > detail::kLargestScale) {
            return std::nullopt;
        }
        const detail::Wide units =
            detail::Wide{number.significand} * detail::kPowersOfTen[static_cast<std::size_t>(shift)];
        if (units > std::numeric_limits<std::uint64_t>::max()) {
            return std::nullopt;
        }
        return static_cast<std::uint64_t>(units);
    }
    constexpr int kLargestPower = 19; // 10^19 is the largest power of ten in 64 bits
    if (-shift > kLargestPower) {
        return 0; // every digit lies past the last decimal, the first dropped one too
    }
    const auto divisor = static_cast<std::uint64_t>(detail::kPowersOfTen[static_cast<std::size_t>(-shift)]);
    return number.significand / divisor + (number.significand % divisor >= divisor / 2 ? 1 : 0);
}

} // namespace korvanta::decimal
