#include "core/measurement_texts.h"

#include "core/number_text.h"

namespace korvanta {

namespace {

constexpr const char* kNotApplicable = "NA";
// Lengths are shown to five decimals of an inch or four of a millimetre (the same tenth of a micron
// or so), the contact ratio to three.
constexpr int kInchDecimals = 5;
constexpr int kMillimetreDecimals = 4;
constexpr int kContactRatioDecimals = 3;

std::string YesNo(bool flag) {
    return flag ? "Yes" : "No";
}

std::string Length(double length, LengthUnit unit) {
    return PatternValue(length, unit == LengthUnit::Millimetre ? kMillimetreDecimals : kInchDecimals);
}

std::string Length(const std::optional<double>& length, LengthUnit unit) {
    return length ? Length(*length, unit) : kNotApplicable;
}

// The value, contact diameter and on-profile flag of a pin or span measurement, "NA" for each when
// there is none.
void SetContactTexts(const std::optional<ContactMeasurement>& measurement, LengthUnit unit,
                     std::string& value, std::string& contactDiameter, std::string& onActiveProfile) {
    value = contactDiameter = onActiveProfile = kNotApplicable;
    if (measurement) {
        value = Length(measurement->value, unit);
        contactDiameter = Length(measurement->contactDiameter, unit);
        onActiveProfile = YesNo(measurement->onActiveProfile);
    }
}

MemberMeasurementTexts MemberTexts(const MemberMeasurements& member, LengthUnit unit) {
    MemberMeasurementTexts texts;
    texts.interference = YesNo(member.interference);
    texts.toothThickness = Length(member.toothThickness, unit);
    texts.pinDiameter = Length(member.pinDiameter, unit);
    SetContactTexts(member.overPins, unit, texts.overPins, texts.pinContactDiameter,
                    texts.pinsOnActiveProfile);
    texts.spanTeeth = member.spanTeeth ? std::to_string(*member.spanTeeth) : kNotApplicable;
    SetContactTexts(member.span, unit, texts.span, texts.spanContactDiameter, texts.spanOnActiveProfile);
    return texts;
}

} // namespace

PairMeasurementTexts MeasurementTexts(const PairMeasurements& measured) {
    PairMeasurementTexts texts;
    texts.contactRatio = PatternValue(measured.contactRatio, kContactRatioDecimals);
    for (Member m : kMembers) {
        texts.members[m] = MemberTexts(measured.members[m], measured.unit);
    }
    return texts;
}

} // namespace korvanta
