#include "logic/unit_texts.h"

namespace korvanta {

namespace {

bool Metric(LengthUnit unit) {
    return unit == LengthUnit::Millimetre;
}

} // namespace

const std::string& NormalPitchCaption(LengthUnit unit) {
    static const std::string inch = "Normal " + PitchCaption(LengthUnit::Inch);
    static const std::string metric = "Normal " + PitchCaption(LengthUnit::Millimetre);
    return Metric(unit) ? metric : inch;
}

const std::string& TransversePitchCaption(LengthUnit unit) {
    static const std::string inch = "Transverse " + PitchCaption(LengthUnit::Inch);
    static const std::string metric = "Transverse " + PitchCaption(LengthUnit::Millimetre);
    return Metric(unit) ? metric : inch;
}

const std::string& PitchCaption(LengthUnit unit) {
    static const std::string inch = "Diametral Pitch";
    static const std::string metric = "Module";
    return Metric(unit) ? metric : inch;
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
