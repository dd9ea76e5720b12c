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

MemberMeasurementTexts MemberTexts(const MemberMeasurements& member) {
    MemberMeasurementTexts texts;
    texts.interference = YesNo(member.interference);
    texts.toothThickness = PatternValue(member.toothThickness, kLengthDecimals);
    texts.pinDiameter = Length(member.pinDiameter);
    texts.overPins = kNotApplicable;
    texts.pinContactDiameter = kNotApplicable;
    texts.pinsOnActiveProfile = kNotApplicable;
    if (const auto& pins = member.overPins) {
        texts.overPins = PatternValue(pins->value, kLengthDecimals);
        texts.pinContactDiameter = PatternValue(pins->contactDiameter, kLengthDecimals);
        texts.pinsOnActiveProfile = YesNo(pins->onActiveProfile);
    }
    texts.spanTeeth = member.spanTeeth ? std::to_string(*member.spanTeeth) : kNotApplicable;
    texts.span = kNotApplicable;
    texts.spanContactDiameter = kNotApplicable;
    texts.spanOnActiveProfile = kNotApplicable;
    if (const auto& span = member.span) {
        texts.span = PatternValue(span->value, kLengthDecimals);
        texts.spanContactDiameter = PatternValue(span->contactDiameter, kLengthDecimals);
        texts.spanOnActiveProfile = YesNo(span->onActiveProfile);
    }
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
