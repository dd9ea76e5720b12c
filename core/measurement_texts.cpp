#include "core/measurement_texts.h"

#include "core/number_text.h"

namespace korvanta {

namespace {

constexpr const char* kNotApplicable = "NA";
// Lengths are shown to five decimals, the contact ratio to three.
constexpr int kLengthDecimals = 5;
constexpr int kContactRatioDecimals = 3;

std::string YesNo(bool flag) {
    return flag ? "Yes" : "No";
}

std::string Length(const std::optional<double>& length) {
    return length ? PatternValue(*length, kLengthDecimals) : kNotApplicable;
}

// The value, contact diameter and on-profile flag of a pin or span measurement, "NA" for each when
// there is none.
void SetContactTexts(const std::optional<ContactMeasurement>& measurement, std::string& value,
                     std::string& contactDiameter, std::string& onActiveProfile) {
    value = contactDiameter = onActiveProfile = kNotApplicable;
    if (measurement) {
        value = PatternValue(measurement->value, kLengthDecimals);
        contactDiameter = PatternValue(measurement->contactDiameter, kLengthDecimals);
        onActiveProfile = YesNo(measurement->onActiveProfile);
    }
}

MemberMeasurementTexts MemberTexts(const MemberMeasurements& member) {
    MemberMeasurementTexts texts;
    texts.interference = YesNo(member.interference);
    texts.toothThickness = PatternValue(member.toothThickness, kLengthDecimals);
    texts.pinDiameter = Length(member.pinDiameter);
    SetContactTexts(member.overPins, texts.overPins, texts.pinContactDiameter, texts.pinsOnActiveProfile);
    texts.spanTeeth = member.spanTeeth ? std::to_string(*member.spanTeeth) : kNotApplicable;
    SetContactTexts(member.span, texts.span, texts.spanContactDiameter, texts.spanOnActiveProfile);
    return texts;
}

} // namespace

PairMeasurementTexts MeasurementTexts(const PairMeasurements& measured) {
    PairMeasurementTexts texts;
    texts.contactRatio = PatternValue(measured.contactRatio, kContactRatioDecimals);
    for (int m = 0; m < 2; ++m) {
        texts.members[m] = MemberTexts(measured.members[m]);
    }
    return texts;
}

} // namespace korvanta
