#pragma once

#include <string>
#include <string_view>

#include "core/single.h"

// Number texts. None of them depends on the C library's locale: the decimal separator is always a point.
namespace korvanta {

// The decimals of the display patterns.
inline constexpr int kEnteredValueDecimals = 5; // "0.00000": the entered values
inline constexpr int kPreciseDecimals = 6;      // "0.000000": base diameters and the diagram's values
inline constexpr int kResultDecimals = 4;       // "0.0000": diameters, coefficients, angles, overlap
inline constexpr int kRollAngleDecimals = 3;    // "0.000": roll angles

// The degree sign the angles carry.
inline constexpr std::string_view kDegreeSign = "\xC2\xB0";

// The general decimal texts. Each name says the width it writes, whatever the static type of the
// argument: a Single's text has at most 7 significant digits, a double's 15, so the same stored 2.2
// reads "2.2" as a Single and "2.20000004768372" once widened to a double.

// General decimal text of a Single: at most 7 significant digits (an exact tie rounded away from
// zero), trailing zeros dropped, no leading blank, an exponent where C's %.7G would use one ("1E-05",
// "1.234568E+12", at least two exponent digits).
std::string SingleGeneralText(Single value);

// General decimal text of a double: at most 15 significant digits (%.15G).
std::string DoubleGeneralText(double value);

// SingleGeneralText with a leading blank for a non-negative value (25 teeth read " 25").
std::string SignedSingleGeneralText(Single value);

// The fixed patterns "0.000" (decimals 3) to "0.000000" (decimals 6): at least one integer digit,
// exactly that many decimals, rounded half away from zero on the decimal digits of the text.
// A negative value keeps its sign even when it rounds to zero ("-0.0000"). The text may start with
// blanks and carry an exponent ("1E-05"). A text that is not a number (empty, ".", "2.5.1") is
// returned unchanged.
std::string PatternText(std::string_view numberText, int decimals);

// A value formatted directly with a pattern: rounded from its 15-significant-digit text.
std::string PatternValue(double value, int decimals);

// "General text, then pattern": the general text of the value in its width, then PatternText of that
// text.
std::string PatternOfSingleGeneral(Single value, int decimals);
std::string PatternOfDoubleGeneral(double value, int decimals);

// The five-decimal display form of the input fields: PatternOfSingleGeneral(value, 5).
std::string FiveDecimalText(Single value);

// The shortest fixed-point text that reads back as the same double ("0.1", "1.5", "25"): how a value
// the user gave is kept in a file and shown again.
std::string ShortestFixedText(double value);

// The value of the longest leading part of the text that reads as a decimal number: leading blanks,
// an optional sign, digits with at most one decimal point, and an optional exponent ("1E-05", as the
// general texts write it). "2.5.1" reads 2.5; "", "." and "abc" read 0. A number beyond the range of
// a double reads as an infinity of its sign (storing it in a Single raises ArithmeticError).
double LeadingNumber(std::string_view text);

// The value rounded to five decimals: pattern "0.00000" of the value, read back as a Single.
Single RoundToFiveDecimals(Single value);

} // namespace korvanta
