#pragma once

#include <cstdint>
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

} // namespace korvanta::decimal
