#include "logic/sheet_header.h"

#include "core/version.h"

namespace korvanta {

std::string SheetUnitsText(LengthUnit unit) {
    return unit == LengthUnit::Millimetre ? "Units: mm (module)" : "Units: in (diametral pitch)";
}

std::string SheetPairKindText(PairKind kind) {
    return kind == PairKind::Internal ? "Internal pair" : "External pair";
}

std::string SheetProgramText() {
    return "Korvanta " + std::string(kVersion);
}

} // namespace korvanta
