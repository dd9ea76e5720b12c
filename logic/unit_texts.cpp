#include "logic/unit_texts.h"

namespace korvanta {

namespace {

bool Metric(LengthUnit unit) {
    return unit == LengthUnit::Millimetre;
}

} // namespace

std::string NormalPitchCaption(LengthUnit unit) {
    return "Normal " + PitchCaption(unit);
}

std::string TransversePitchCaption(LengthUnit unit) {
    return "Transverse " + PitchCaption(unit);
}

std::string PitchCaption(LengthUnit unit) {
    return Metric(unit) ? "Module" : "Diametral Pitch";
}

std::string InLengthUnit(std::string_view text, LengthUnit unit) {
    std::string shown(text);
    if (Metric(unit)) {
        shown += " (mm)";
    }
    return shown;
}

std::string UnitModeSign(LengthUnit unit) {
    return Metric(unit) ? "Metric: module, mm" : "";
}

std::string_view UnitSymbol(LengthUnit unit) {
    return Metric(unit) ? "mm" : "in";
}

} // namespace korvanta
