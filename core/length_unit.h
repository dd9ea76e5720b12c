#pragma once

namespace korvanta {

// The units a pair is entered and shown in. An inch pair gives its pitch as the diametral pitch (teeth
// per inch of pitch diameter); a metric pair gives its module (millimetres of pitch diameter per
// tooth) and every length in millimetres.
enum class LengthUnit { Inch, Millimetre };

// Millimetres in one inch, exactly.
inline constexpr double kMillimetresPerInch = 25.4;

// A length given in `from` units, in `to` units.
constexpr double ConvertedLength(double length, LengthUnit from, LengthUnit to) {
    if (from == to) {
        return length;
    }
    return to == LengthUnit::Millimetre ? length * kMillimetresPerInch : length / kMillimetresPerInch;
}

// The normal pitch as it is typed in `from` units, as it is typed in `to` units. A diametral pitch of
// P teeth per inch of pitch diameter puts one tooth on 25.4 / P millimetres of it, the module; the
// same division turns a module back into a diametral pitch. A pitch of 0 (not entered) stays 0.
constexpr double ConvertedTypedPitch(double typed, LengthUnit from, LengthUnit to) {
    if (from == to || typed == 0) {
        return typed;
    }
    return kMillimetresPerInch / typed;
}

} // namespace korvanta
