#include "logic/input_form.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <utility>

#include "core/arithmetic.h"
#include "core/basic_values.h"
#include "core/normal_pitch.h"
#include "core/number_text.h"
#include "core/pair_kind.h"
#include "logic/key_filter.h"
#include "logic/unit_texts.h"

namespace korvanta {

namespace {

int Index(InputField field) {
    return static_cast<int>(field);
}

Single& StateValue(GearPairState& state, InputField field) {
    switch (field) {
    case InputField::NT1:
        return state.NT1;
    case InputField::NT2:
        return state.NT2;
    case InputField::DP:
        return state.DP;
    case InputField::PA:
        return state.PA;
    case InputField::HA:
        return state.HA;
    case InputField::OD1:
        return state.OD1;
    case InputField::OD2:
        return state.OD2;
    case InputField::CD:
        break;
    }
    return state.CD;
}

bool IsToothField(InputField field) {
    return field == InputField::NT1 || field == InputField::NT2;
}

// The lengths the program estimates when they are not entered.
constexpr std::array<InputField, 3> kLengthFields = {InputField::OD1, InputField::OD2, InputField::CD};

// Why an entry cannot be given in other units: its number there would not fit the field, or would
// round to 0.00000 and so read as not entered.
enum class Misfit { None, TooLarge, ReadsZero };

struct Conversion {
    std::string text; // the converted value as the field shows it
    Misfit misfit = Misfit::None;
};

// The pitch or a length typed as `value` in `from` units, given in `to` units with the five decimals
// a field shows when it is left.
Conversion Converted(InputField field, double value, LengthUnit from, LengthUnit to) {
    const double converted =
        field == InputField::DP ? ConvertedTypedPitch(value, from, to) : ConvertedLength(value, from, to);
    if (!std::isfinite(converted) || std::fabs(converted) > FLT_MAX) {
        return {"", Misfit::TooLarge};
    }
    const std::string text = FiveDecimalText(Single(converted));
    if (!FitsSingle(text)) {
        return {"", Misfit::TooLarge};
    }
    if (LeadingNumber(text) == 0) {
        return {"", Misfit::ReadsZero};
    }
    return {text, Misfit::None};
}

std::string_view UnitsWords(LengthUnit unit) {
    return unit == LengthUnit::Millimetre ? "modules and millimetres" : "diametral pitch and inches";
}

std::string EntryName(InputField field, const GearPairState& state) {
    switch (field) {
    case InputField::DP:
        return "The " + NormalPitchCaption(state.Unit);
    case InputField::OD1:
        return "The pinion's Outside Diameter";
    case InputField::OD2:
        return IsInternal(state) ? "The gear's Inside Diameter" : "The gear's Outside Diameter";
    default:
        break;
    }
    return "The Center Distance";
}

Message UnitRefusal(InputField field, Misfit misfit, const GearPairState& state, LengthUnit to) {
    const std::string outcome =
        misfit == Misfit::TooLarge ? " would be too large a number in " : " would read 0.00000 in ";
    return Message{EntryName(field, state) + outcome + std::string(UnitsWords(to)) + ". The units stay " +
                       std::string(UnitsWords(state.Unit)) + ": change the value first.",
                   std::string(kMessageTitle), MessageIcon::Exclamation};
}

// The text after replacing the selection (or inserting at the caret) with `inserted`; position -1 is
// the end of the text.
std::string Edited(const std::string& text, int position, int selectionLength, std::string_view inserted) {
    const std::size_t start =
        position < 0 ? text.size() : std::min(static_cast<std::size_t>(position), text.size());
    const std::size_t length =
        std::min(static_cast<std::size_t>(std::max(selectionLength, 0)), text.size() - start);
    return text.substr(0, start) + std::string(inserted) + text.substr(start + length);
}

// The text after Backspace: the selection goes, or else the character before the caret.
std::string Backspaced(const std::string& text, int position, int selectionLength) {
    if (selectionLength > 0) {
        return Edited(text, position, selectionLength, "");
    }
    const std::size_t caret =
        position < 0 ? text.size() : std::min(static_cast<std::size_t>(position), text.size());
    if (caret == 0) {
        return text;
    }
    return Edited(text, static_cast<int>(caret) - 1, 1, "");
}

} // namespace

// The two captions of the outside diameters, kept once: every form starts with one of them.
const std::string& InputForm::ExternalLabelOD() {
    static const std::string caption = "Outside Diameter";
    return caption;
}

const std::string& InputForm::InternalLabelOD() {
    static const std::string caption = "O.D. Pinion and I.D. Gear";
    return caption;
}

InputForm::InputForm(GearPairState& state) : state_(state) {}

void InputForm::SetObserver(Observer observer) {
    observer_ = std::move(observer);
}

const std::string& InputForm::Text(InputField field) const {
    const unsigned bit = 1U << Index(field);
    if ((unwritten_ & bit) != 0) {
        texts_[Index(field)] = FiveDecimalText(unwrittenValues_[Index(field)]);
        unwritten_ &= ~bit;
    }
    return texts_[Index(field)];
}

bool InputForm::HasText(InputField field) const {
    return (unwritten_ & (1U << Index(field))) != 0 || !texts_[Index(field)].empty();
}

// An unwritten five-decimal text is never empty, and is written only to be compared with another.
bool InputForm::TextIs(InputField field, const std::string& text) const {
    if (text.empty()) {
        return !HasText(field);
    }
    return Text(field) == text;
}

bool InputForm::KeyPress(InputField field, int characterCode, int position, int selectionLength) {
    if (!FilterKey(AllowedKeys(field), characterCode)) {
        return false;
    }
    const std::string& text = Text(field);
    const std::string result =
        characterCode == kBackspace
            ? Backspaced(text, position, selectionLength)
            : Edited(text, position, selectionLength, std::string(1, static_cast<char>(characterCode)));
    return FitsSingle(result);
}

bool InputForm::Paste(InputField field, std::string_view pasted, int position, int selectionLength) {
    return SetText(field, Edited(Text(field), position, selectionLength, std::string(pasted)));
}

bool InputForm::SetText(InputField field, const std::string& text) {
    // Typed keys have been filtered already: refused characters come from a paste or a drop.
    if (const std::optional<Message> refusal = PasteRefusal(AllowedKeys(field), text)) {
        if (observer_.showMessage) {
            observer_.showMessage(*refusal);
        }
        return false;
    }
    const double number = LeadingNumber(text);
    if (!NumberFitsSingle(number)) {
        return false;
    }
    SetCheckedText(field, text, number);
    return true;
}

void InputForm::SetCheckedText(InputField field, const std::string& text, double number) {
    Write(field, text, number);
    estimated_[Index(field)] = false;
}

void InputForm::Write(InputField field, const std::string& text, std::optional<double> number) {
    if (TextIs(field, text)) {
        return;
    }
    unwritten_ &= ~(1U << Index(field));
    texts_[Index(field)] = text;
    // Known before anything is told of the change, which may write the field again.
    if (number) {
        KnowNumber(field, *number);
    } else {
        numbersKnown_ &= ~(1U << Index(field));
    }
    if (observer_.textChanged) {
        observer_.textChanged(field, text);
    }
    Changed(field);
}

void InputForm::Clear(InputField field) {
    WriteEmpty(field);
    StateValue(state_, field) = 0;
    estimated_[Index(field)] = false;
}

bool InputForm::IsEstimate(InputField field) const {
    return estimated_[Index(field)];
}

void InputForm::WriteFiveDecimals(InputField field, Single value) {
    // Only the teeth, the pitch and the helix angle change other fields when they change: they do so
    // when the text changes, which it surely does from a text without five decimals after a point.
    const bool changesOthers = IsToothField(field) || field == InputField::DP || field == InputField::HA;
    constexpr std::size_t kPointFromEnd = kEnteredValueDecimals + 1;
    const std::string& written = texts_[Index(field)];
    const bool unwritten = (unwritten_ & (1U << Index(field))) != 0;
    const bool changes =
        !unwritten && (written.size() < kPointFromEnd || written[written.size() - kPointFromEnd] != '.');
    if (observer_.textChanged || (changesOthers && !changes)) {
        Write(field, FiveDecimalText(value));
        return;
    }
    // The field ends with the text, whether or not it changes; its number is read when it is asked.
    unwrittenValues_[Index(field)] = value;
    unwritten_ |= 1U << Index(field);
    numbersKnown_ &= ~(1U << Index(field));
    if (changesOthers) {
        Changed(field);
    }
}

// Write(field, "") without making the empty text: an empty field stays as it is.
void InputForm::WriteEmpty(InputField field) {
    if (HasText(field)) {
        static const std::string empty;
        Write(field, empty);
    }
}

// Editing the teeth, the pitch or the helix angle makes the diameters and the center distance stale:
// they are discarded, so the next basic values estimate them afresh.
void InputForm::Changed(InputField field) {
    switch (field) {
    case InputField::NT1:
        Clear(InputField::OD1);
        Clear(InputField::CD);
        break;
    case InputField::NT2:
        Clear(InputField::OD2);
        Clear(InputField::CD);
        break;
    case InputField::DP:
    case InputField::HA:
        Clear(InputField::OD1);
        Clear(InputField::CD);
        Clear(InputField::OD2);
        break;
    default:
        break;
    }
}

void InputForm::Enter(InputField field) {
    if (field != InputField::NT1) {
        return;
    }
    if (!state_.GearType.has_value()) {
        state_.GearType = PairKind::External;
    }
    const std::string& caption = IsInternal(state_) ? InternalLabelOD() : ExternalLabelOD();
    if (&caption != labelOD_) {
        labelOD_ = &caption;
        if (observer_.labelODChanged) {
            observer_.labelODChanged(*labelOD_);
        }
    }
}

double InputForm::Number(InputField field) {
    const unsigned bit = 1U << Index(field);
    if ((numbersKnown_ & bit) == 0) {
        const bool unwritten = (unwritten_ & bit) != 0;
        KnowNumber(field, unwritten ? FiveDecimalNumber(unwrittenValues_[Index(field)])
                                    : LeadingNumber(Text(field)));
    }
    return numbers_[Index(field)];
}

void InputForm::KnowNumber(InputField field, double number) {
    numbers_[Index(field)] = number;
    numbersKnown_ |= 1U << Index(field);
}

void InputForm::Leave(InputField field) {
    const Single value = Number(field);
    if (field == InputField::DP) {
        StorePitch(value);
    } else {
        StateValue(state_, field) = value;
    }
    if (!IsToothField(field)) {
        WriteFiveDecimals(field, value);
    }
    const bool basicValues = IsToothField(field) || field == InputField::DP || field == InputField::HA;
    if (basicValues && state_.NT1 != 0 && state_.NT2 != 0) {
        RunBasicValues();
    }
    EmptyZeroFields();
}

void InputForm::RunBasicValues(const FieldFlags& keptEmpty) {
    // A length is estimated when it is 0 (not entered) before the basic values and set after them.
    FieldFlags wasEmpty{};
    for (InputField field : kLengthFields) {
        wasEmpty[Index(field)] = StateValue(state_, field) == 0;
    }
    const BasicValuesWrites outcome =
        GetBasicValueWrites(state_, Number(InputField::NT1), Number(InputField::NT2));
    for (InputField field : kLengthFields) {
        if (keptEmpty[Index(field)]) {
            StateValue(state_, field) = 0;
        }
    }
    if (outcome.toothExchangeWarning) {
        Show(ToothExchangeWarning());
    }
    for (const FieldValueWrite& write : outcome.Writes()) {
        if (keptEmpty[Index(write.field)]) {
            continue;
        }
        if (IsToothField(write.field)) {
            Write(write.field, FieldValueText(write));
        } else {
            WriteFiveDecimals(write.field, write.value);
            // The field now shows the value's five-decimal text, whether written yet or not.
            if (write.number) {
                KnowNumber(write.field, *write.number);
            }
        }
    }
    for (InputField field : kLengthFields) {
        if (wasEmpty[Index(field)] && StateValue(state_, field) != 0) {
            estimated_[Index(field)] = true;
        }
    }
}

void InputForm::EmptyZeroFields() {
    // Run after every field is left: the fields with their values, without looking each one up.
    struct Emptied {
        InputField field;
        Single GearPairState::*value;
    };
    static constexpr Emptied kEmptied[] = {
        {InputField::DP, &GearPairState::DP},   {InputField::PA, &GearPairState::PA},
        {InputField::CD, &GearPairState::CD},   {InputField::OD1, &GearPairState::OD1},
        {InputField::OD2, &GearPairState::OD2},
    };
    for (const Emptied& emptied : kEmptied) {
        if (state_.*emptied.value == 0) {
            WriteEmpty(emptied.field);
        }
    }
}

void InputForm::StorePitch(Single typed) {
    try {
        StoreNormalPitch(state_, typed);
    } catch (const ArithmeticError&) {
        StoreNormalPitch(state_, 0);
        Show(Message{"This module is too small to be calculated. Please enter a larger module.",
                     std::string(kMessageTitle), MessageIcon::Stop});
    }
}

void InputForm::EstimateDiametersAfresh() {
    for (InputField field : kLengthFields) {
        Clear(field);
    }
    RunBasicValues();
}

void InputForm::ChooseKind(PairKind kind) {
    chosen_ = kind;
    state_.GearType = kind;
    if (state_.LastGearType != state_.GearType) {
        EstimateDiametersAfresh();
    }
    Focus(InputField::NT1);
    state_.LastGearType = state_.GearType;
}

void InputForm::ChooseUnit(LengthUnit unit) {
    const LengthUnit from = state_.Unit;
    if (from == unit) {
        return;
    }
    // Every entry is given in the new units before any field changes, so that one which would not
    // fit there leaves the whole pair in the old units. An estimate and an empty field convert to
    // nothing: the one is estimated again below, the other stays empty.
    std::array<std::string, 8> converted;
    for (InputField field : {InputField::DP, InputField::OD1, InputField::OD2, InputField::CD}) {
        const double value = LeadingNumber(Text(field));
        if (IsEstimate(field) || value == 0) {
            continue;
        }
        Conversion conversion = Converted(field, value, from, unit);
        if (conversion.misfit != Misfit::None) {
            Show(UnitRefusal(field, conversion.misfit, state_, unit));
            Focus(field);
            return;
        }
        converted[Index(field)] = std::move(conversion.text);
    }
    FieldFlags keptEmpty{};
    for (InputField field : kLengthFields) {
        keptEmpty[Index(field)] = !IsEstimate(field) && converted[Index(field)].empty();
    }

    state_.Unit = unit;
    // The new pitch discards the lengths, as a typed pitch does; the typed ones are written back in
    // the new units and the estimates are made again from the new pitch.
    Write(InputField::DP, converted[Index(InputField::DP)]);
    StorePitch(Number(InputField::DP));
    for (InputField field : kLengthFields) {
        const std::string& text = converted[Index(field)];
        if (text.empty()) {
            Clear(field);
            continue;
        }
        Write(field, text);
        StateValue(state_, field) = LeadingNumber(text);
    }
    RunBasicValues(keptEmpty);
    EmptyZeroFields();
}

void InputForm::Activated() {
    // The texts of the two defaults are the same at every activation (a zero of either sign reads
    // "0.00000"): they are written once.
    constexpr double kDefaultPressureAngle = 20;
    static const std::string zeroText = FiveDecimalText(0);
    static const std::string pressureAngleText = FiveDecimalText(kDefaultPressureAngle);
    if (state_.HA == 0) {
        Write(InputField::HA, zeroText, 0.0);
    }
    if (state_.PA == 0) {
        state_.PA = kDefaultPressureAngle;
        Write(InputField::PA, pressureAngleText, kDefaultPressureAngle);
    }
}

CalculateOutcome InputForm::CalculatePair() {
    FieldNumbers numbers{};
    for (InputField field : kInputFields) {
        numbers[Index(field)] = Number(field);
    }
    const CalculateOutcome outcome = Calculate(state_, chosen_, numbers);
    if (outcome.rejection) {
        Show(*outcome.rejection);
    }
    if (outcome.focus) {
        Focus(*outcome.focus);
    }
    return outcome;
}

void InputForm::Show(const Message& message) {
    if (observer_.showMessage) {
        observer_.showMessage(message);
    }
}

void InputForm::Focus(InputField field) {
    if (observer_.focusField) {
        observer_.focusField(field);
    }
    Enter(field);
}

} // namespace korvanta
