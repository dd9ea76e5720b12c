#include "logic/measurement_form.h"

#include <algorithm>
#include <cmath>

#include "core/arithmetic.h"
#include "core/number_text.h"
#include "logic/key_filter.h"
#include "logic/measurement_rows.h"
#include "logic/unit_texts.h"

namespace korvanta {

namespace {

// The window lists a member's tools in the order an inspector uses them: the pins with their
// contact, then the span with its contact.
constexpr std::array<std::string_view, 9> kWindowOrder = {
    "tooth_thickness",        "pin_diameter", "over_pins", "pin_contact_diameter",
    "pins_on_active_profile", "span_teeth",   "span",      "span_contact_diameter",
    "span_on_active_profile",
};

const MeasurementKey& KeyNamed(std::string_view name) {
    return *std::find_if(kMeasurementKeys.begin(), kMeasurementKeys.end(),
                         [name](const MeasurementKey& key) { return key.key == name; });
}

std::optional<MeasurementEntry> EntryOf(std::string_view key) {
    if (key == "pin_diameter") {
        return MeasurementEntry::PinDiameter;
    }
    if (key == "span_teeth") {
        return MeasurementEntry::SpanTeeth;
    }
    return std::nullopt;
}

std::size_t Index(MeasurementField field) {
    return static_cast<std::size_t>(std::find(kMeasurementFields.begin(), kMeasurementFields.end(), field) -
                                    kMeasurementFields.begin());
}

Message Refusal(std::string text) {
    return {std::move(text), std::string(kMessageTitle), MessageIcon::Exclamation};
}

} // namespace

Message MeasurementFault() {
    return Message{"The measurements cannot be calculated: the pair calculation stopped on "
                   "an arithmetic fault. Check the entries.",
                   std::string(kMessageTitle), MessageIcon::Stop};
}

MeasurementForm::MeasurementForm(const PairSolution& solution, const PerMember<MeasurementChoice>& choices)
    : solution_(solution), choices_(FittingChoices(solution, choices)) {
    Show(solution.measurements && solution.choices == choices_ ? *solution.measurements
                                                               : Remeasure(solution_, choices_));
}

void MeasurementForm::Show(const PairMeasurements& measured) {
    measured_ = measured;
    texts_ = MeasurementTexts(measured_);
    for (MeasurementField field : kMeasurementFields) {
        Typed(field) = Shown(field);
    }
}

std::string MeasurementForm::Title() const {
    return InLengthUnit("Inspection Measurements", Unit());
}

std::array<std::string, 2> MeasurementForm::Columns() const {
    return {"PINION", Internal() ? "INTERNAL GEAR" : "GEAR"};
}

std::array<MeasurementRow, kMeasurementRowCount> MeasurementForm::Rows() const {
    const auto& [pinion, gear] = texts_.members;
    std::array<MeasurementRow, kMeasurementRowCount> rows;
    rows[0] = {std::string(kContactRatioCaption), texts_.contactRatio, texts_.contactRatio, std::nullopt};
    rows[1] = {std::string(kInterferenceCaption), pinion.interference, gear.interference, std::nullopt};
    for (std::size_t i = 0; i < kWindowOrder.size(); ++i) {
        const MeasurementKey& key = KeyNamed(kWindowOrder[i]);
        const std::optional<MeasurementEntry> entry = EntryOf(key.key);
        MeasurementRow& row = rows[i + 2];
        row.caption = Internal() && !key.internalCaption.empty() ? key.internalCaption : key.caption;
        row.pinion = entry ? Text({*entry, Member::Pinion}) : pinion.*key.text;
        row.gear = entry ? Text({*entry, Member::Gear}) : gear.*key.text;
        row.entry = entry;
    }
    return rows;
}

std::string MeasurementForm::InterferenceSentence() const {
    const bool pinion = measured_.members.pinion.interference;
    const bool gear = measured_.members.gear.interference;
    if (pinion && gear) {
        return "Interference on both members: each one's tip meets the other below its base circle, so "
               "neither SAP shown lies on the involute.";
    }
    if (pinion || gear) {
        const std::string flagged(kMeasurementMemberNames[IndexOf(gear ? Member::Gear : Member::Pinion)]);
        const std::string mate(kMeasurementMemberNames[IndexOf(gear ? Member::Pinion : Member::Gear)]);
        return "Interference on the " + flagged + ": the " + mate + "'s tip meets the " + flagged +
               " below its base circle, so the " + flagged + "'s SAP shown does not lie on the involute.";
    }
    return "No interference: contact starts on the involute of both members.";
}

bool MeasurementForm::Editable(MeasurementField field) const {
    return !(Internal() && field.entry == MeasurementEntry::SpanTeeth && field.member == Member::Gear);
}

const std::string& MeasurementForm::Text(MeasurementField field) const {
    return typed_[Index(field)];
}

std::string& MeasurementForm::Typed(MeasurementField field) {
    return typed_[Index(field)];
}

const std::string& MeasurementForm::Shown(MeasurementField field) const {
    const MemberMeasurementTexts& member = texts_.members[field.member];
    return field.entry == MeasurementEntry::PinDiameter ? member.pinDiameter : member.spanTeeth;
}

int MeasurementForm::Teeth(Member member) const {
    return static_cast<int>(std::lround(solution_.values.teeth[member]));
}

std::string_view MeasurementForm::AllowedKeys(MeasurementField field) {
    return field.entry == MeasurementEntry::SpanTeeth ? kToothKeys : kNumberKeys;
}

bool MeasurementForm::KeyAccepted(MeasurementField field, int characterCode) const {
    std::string allowed(AllowedKeys(field));
    return Editable(field) && FilterKey(allowed, characterCode);
}

bool MeasurementForm::SetText(MeasurementField field, const std::string& text) {
    if (!Editable(field)) {
        return false;
    }
    if (PasteRefusal(AllowedKeys(field), text) || !FitsSingle(text)) {
        return false;
    }
    Typed(field) = text;
    return true;
}

std::optional<Message> MeasurementForm::Leave(MeasurementField field) {
    // Leaving a field as it was measured keeps its choice: re-reading the five-decimal text of the
    // ideal pin diameter would replace that diameter by a rounded one.
    if (!Editable(field) || Text(field) == Shown(field)) {
        return std::nullopt;
    }
    MeasurementChoice& choice = choices_[field.member];
    const std::string& text = Text(field);
    const double value = LeadingNumber(text);
    const std::string member(kMeasurementMemberNames[IndexOf(field.member)]);
    std::optional<Message> refusal;
    if (field.entry == MeasurementEntry::PinDiameter) {
        if (text.empty()) {
            choice.pinDiameter.reset();
        } else if (value > 0.0) {
            choice.pinDiameter = value;
        } else {
            refusal = Refusal("The " + member + "'s pin or ball diameter must be greater than 0.");
        }
    } else {
        const int teeth = Teeth(field.member);
        if (text.empty()) {
            choice.spanTeeth.reset();
        } else if (value >= 1.0 && value <= teeth - 1) {
            choice.spanTeeth = static_cast<int>(value);
        } else {
            refusal = Refusal("The " + member + " has " + std::to_string(teeth) +
                              " teeth: a span lies over 1 to " + std::to_string(teeth - 1) + " of them.");
        }
    }
    Show(Remeasure(solution_, choices_));
    return refusal;
}

} // namespace korvanta
