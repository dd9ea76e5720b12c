#pragma once

#include <string>
#include <string_view>

#include "core/length_unit.h"

namespace korvanta {

// The words the windows and the command use for the pitch and the lengths of a pair in its units.

// The captions are stored texts, built once: every table and every check takes them.

// "Normal Diametral Pitch" or "Normal Module".
const std::string& NormalPitchCaption(LengthUnit unit);
// "Transverse Diametral Pitch" or "Transverse Module".
const std::string& TransversePitchCaption(LengthUnit unit);
// "Diametral Pitch" or "Module": the spur pair's one pitch.
const std::string& PitchCaption(LengthUnit unit);

// A caption or title of lengths: an inch pair's as it is, a metric pair's with " (mm)" after it.
std::string InLengthUnit(std::string_view text, LengthUnit unit);

// The windows' sign of the units they show: nothing for inch, the words for metric. It stands in the
// window itself, so that a printed page says it too.
std::string UnitModeSign(LengthUnit unit);

// "in" or "mm".
std::string_view UnitSymbol(LengthUnit unit);

} // namespace korvanta
