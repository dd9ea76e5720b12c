#include "logic/field_tooltips.h"

#include <array>
#include <string_view>

namespace korvanta {

namespace {

// "{unit}" stands for the unit of the pair's lengths.
std::string WithUnit(std::string_view text, LengthUnit unit) {
    std::string result(text);
    const std::string_view mark = "{unit}";
    if (const std::size_t at = result.find(mark); at != std::string::npos) {
        result.replace(at, mark.size(), unit == LengthUnit::Millimetre ? "millimetres" : "inches");
    }
    return result;
}

constexpr std::array<std::string_view, 8> kInputFieldTooltips = {
    // NT1
    "Teeth of the pinion, the member with fewer teeth; a whole number.",
    // NT2
    "Teeth of the gear (of the internal gear for a pinion running inside one); a whole number.",
    // DP (the metric one below)
    "Normal diametral pitch: teeth per inch of pitch diameter in the normal plane, the pitch of the hob, "
    "cutter or master gear.",
    // PA
    "Pressure angle of the tool in the normal plane, in degrees; with the pitch it sets the base diameter.",
    // HA
    "Helix angle at the pitch diameter, in degrees; 0 for spur gears.",
    // OD1
    "Outside (tip) diameter of the pinion in {unit}, as measured or drawn; estimated from the teeth and the "
    "pitch until you type it.",
    // OD2
    "Outside (tip) diameter of the gear in {unit}, the inside diameter of an internal gear; estimated "
    "until you type it.",
    // CD
    "Distance between the axes in {unit} at which the pair meshes; estimated from the pitch diameters "
    "until you type it.",
};

constexpr std::string_view kModuleTooltip =
    "Normal module: millimetres of pitch diameter per tooth in the normal plane, the module of the hob, "
    "cutter or master gear.";

constexpr std::array<std::string_view, 11> kMeasurementRowTooltips = {
    "Tooth pairs in contact on average: the path of contact over the transverse base pitch; below 1 the "
    "teeth lose contact. Not the Profile Overlap of the output table.",
    "Whether the mate's tip meets this member below its base circle, where it has no involute; the SAP "
    "shown then does not lie on the involute.",
    "Circular tooth thickness in the normal plane at the pitch diameter, in {unit}, with the profile shift "
    "of the output table (the internal gear: its space width).",
    "Diameter of the pins or balls laid in opposite tooth spaces, in {unit}; type your own, or keep the one "
    "that touches the flank near the pitch circle.",
    "Measurement over two pins or balls (the internal gear: between them), in {unit}; compare it with the "
    "part's.",
    "Diameter at which the pin or ball touches the flank, in {unit}.",
    "Whether the pin or ball touches the active profile (from the TIF to the tip); if not, the measurement "
    "does not check the working flank.",
    "Teeth the anvils of the span micrometer reach over; type your own, or keep the count that touches near "
    "the pitch circle.",
    "Base tangent length over the teeth spanned, in {unit}; compare it with the part's.",
    "Diameter at which the anvils touch the flanks, in {unit}.",
    "Whether the anvils touch the active profile (from the TIF to the tip).",
};

} // namespace

std::string InputFieldTooltip(InputField field, LengthUnit unit) {
    if (field == InputField::DP && unit == LengthUnit::Millimetre) {
        return std::string(kModuleTooltip);
    }
    return WithUnit(kInputFieldTooltips[static_cast<std::size_t>(field)], unit);
}

std::string MeasurementRowTooltip(std::size_t row, LengthUnit unit) {
    return WithUnit(kMeasurementRowTooltips.at(row), unit);
}

} // namespace korvanta
