#pragma once

#include <string>

#include "core/length_unit.h"
#include "core/member.h"

namespace korvanta {

// The header's texts of a pair in its units and of its kind.

// "Units: in (diametral pitch)" or "Units: mm (module)".
std::string SheetUnitsText(LengthUnit unit);

// "External pair" or "Internal pair".
std::string SheetPairKindText(PairKind kind);

// "Korvanta" and the version.
std::string SheetProgramText();

} // namespace korvanta
