#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/measurement_texts.h"

namespace korvanta {

// The pair's rows of the inspection measurements, as the window and the command caption them.
inline constexpr std::string_view kContactRatioCaption = "Contact Ratio (Transverse)";
inline constexpr std::string_view kInterferenceCaption = "Interference below the Base Circle";

// One value of each member's inspection measurements: its JSON key and batch CSV columns
// ("<key>_pinion", "<key>_gear"), its caption in the window and the table (the internal pair's when it
// differs: the gear's value is then its space width, or its measurement between pins), its text, and for
// a flag ("Yes", "No", "NA") its value: none where nothing was measured.
struct MeasurementKey {
    std::string_view key;
    std::string_view caption;
    std::string_view internalCaption;
    std::string MemberMeasurementTexts::*text;
    std::optional<bool> (*flag)(const MemberMeasurements&) = nullptr;
};

inline std::optional<bool> OnActiveProfile(const std::optional<ContactMeasurement>& measurement) {
    return measurement ? std::optional<bool>(measurement->onActiveProfile) : std::nullopt;
}

inline constexpr std::array<MeasurementKey, 9> kMeasurementKeys = {{
    {"tooth_thickness", "Normal Tooth Thickness at Pitch Dia.", "Normal Tooth Thickness / Space Width",
     &MemberMeasurementTexts::toothThickness},
    {"pin_diameter", "Pin or Ball Diameter", "", &MemberMeasurementTexts::pinDiameter},
    {"over_pins", "Measurement over Pins or Balls", "Over Pins / Gear Between Pins",
     &MemberMeasurementTexts::overPins},
    {"pin_contact_diameter", "Pin Contact Diameter", "", &MemberMeasurementTexts::pinContactDiameter},
    {"span_teeth", "Number of Teeth Spanned", "", &MemberMeasurementTexts::spanTeeth},
    {"span", "Span Measurement", "", &MemberMeasurementTexts::span},
    {"span_contact_diameter", "Span Contact Diameter", "", &MemberMeasurementTexts::spanContactDiameter},
    {"pins_on_active_profile", "Pin Contact on Active Profile", "",
     &MemberMeasurementTexts::pinsOnActiveProfile,
     [](const MemberMeasurements& member) { return OnActiveProfile(member.overPins); }},
    {"span_on_active_profile", "Span Contact on Active Profile", "",
     &MemberMeasurementTexts::spanOnActiveProfile,
     [](const MemberMeasurements& member) { return OnActiveProfile(member.span); }},
}};

// The members as the measurements' JSON and CSV name them: the table's columns.
inline constexpr std::array<std::string_view, 2> kMeasurementMemberNames = {"pinion", "gear"};

// The names of the members flagged for interference, pinion first.
inline std::vector<std::string_view> InterferingMembers(const PairMeasurements& measured) {
    std::vector<std::string_view> names;
    for (Member member : kMembers) {
        if (measured.members[member].interference) {
            names.push_back(kMeasurementMemberNames[IndexOf(member)]);
        }
    }
    return names;
}

} // namespace korvanta
