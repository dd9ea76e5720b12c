#pragma once

#include <string>

#include "core/length_unit.h"
#include "core/member.h"
#include "core/single.h"

namespace korvanta {

// The number texts of the inspection sheet, each with the unit it is in. The sheet reads as the
// windows do: the entered values (pitch, angles, diameters, center distance) and the base diameters
// as the output table shows them; the lengths the calculation finds (TIF, SAP, EAP, lead, base pitches,
// stations, measurements) as the measurements show lengths; the x coefficients and the angles the
// calculation finds to the table's four decimals, the roll angles to its three.

// What the sheet shows where a member has no value.
inline constexpr const char* kSheetNoValue = "\xE2\x80\x94";

// " in" or " mm" after the text.
std::string WithLengthUnit(std::string text, LengthUnit unit);

// A length the pair's calculation found, as the measurements show lengths: five decimals of an inch or
// four of a millimetre, with the unit.
std::string SheetLength(double length, LengthUnit unit);

// An entered value (a diameter, the center distance) as the output table shows it, with the unit.
std::string SheetEnteredLength(Single length, LengthUnit unit);

// An angle in degrees with the given decimals and the degree sign.
std::string SheetDegrees(double degrees, int decimals);

// An entered angle as the output table shows it, with the degree sign.
std::string SheetEnteredDegrees(Single degrees);

// "Pinion", "Gear" or "Internal gear".
std::string SheetMemberName(PairKind kind, Member member);

} // namespace korvanta
