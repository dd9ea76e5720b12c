#pragma once

namespace korvanta {

// The units a pair is entered and shown in. An inch pair gives its pitch as the diametral pitch (teeth
// per inch of pitch diameter); a metric pair gives its module (millimetres of pitch diameter per
// tooth) and every length in millimetres.
enum class LengthUnit { Inch, Millimetre };

} // namespace korvanta
