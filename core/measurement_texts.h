#pragma once

#include <array>
#include <string>

#include "core/inspection_measurements.h"

namespace korvanta {

// The measurements as the window and the command show them: lengths with five decimals, the contact
// ratio with three, the teeth spanned as a whole number, "Yes"/"No" for the flags, and "NA" where a
// value does not apply (the internal gear's span) or cannot be measured.
struct MemberMeasurementTexts {
    std::string interference;
    std::string toothThickness;
    std::string pinDiameter;
    std::string overPins;
    std::string pinContactDiameter;
    std::string pinsOnActiveProfile;
    std::string spanTeeth;
    std::string span;
    std::string spanContactDiameter;
    std::string spanOnActiveProfile;

    bool operator==(const MemberMeasurementTexts&) const = default;
};

struct PairMeasurementTexts {
    std::string contactRatio;
    PerMember<MemberMeasurementTexts> members;

    bool operator==(const PairMeasurementTexts&) const = default;
};

PairMeasurementTexts MeasurementTexts(const PairMeasurements& measured);

// The measurements of a pair with their texts.
struct MeasuredPair {
    PairMeasurements values;
    PairMeasurementTexts texts;
};

} // namespace korvanta
