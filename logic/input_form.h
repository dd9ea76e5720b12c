#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/gear_pair_state.h"
#include "core/input_field.h"
#include "core/message.h"
#include "logic/calculate.h"

namespace korvanta {

// The input window without its widgets: the eight field texts and the two gear-type options, with
// what typing, entering, changing and leaving a field does to the texts and to the state. Every text
// the model rewrites, by the user or by itself, runs the field's change behaviour and is reported
// through textChanged (a text set to what it already is changes nothing and is not reported).
class InputForm {
public:
    struct Observer {
        std::function<void(InputField, const std::string&)> textChanged;
        std::function<void(const Message&)> showMessage; // modal: returns when the box is closed
        // The model moves the focus and runs the field's entry behaviour itself; a second Enter from
        // the window's own focus event changes nothing.
        std::function<void(InputField)> focusField;
        std::function<void(const std::string&)> labelODChanged;
    };

    explicit InputForm(GearPairState& state);

    void SetObserver(Observer observer);

    const std::string& Text(InputField field) const;
    PairKind ChosenKind() const { return chosen_; }
    const std::string& LabelODCaption() const { return *labelOD_; }

    // A typed character: true when accepted (the key filter, and the text would still fit a Single
    // with the character inserted at `position` replacing `selectionLength` characters; position -1
    // is the end of the text). Backspace removes the selection or the character before `position`.
    bool KeyPress(InputField field, int characterCode, int position = -1, int selectionLength = 0);
    // Pasted or dropped text, inserted at `position` in place of `selectionLength` characters, as
    // SetText takes the result.
    bool Paste(InputField field, std::string_view pasted, int position = -1, int selectionLength = 0);
    // The user's edit of a text (typing, paste, drop, undo), with the change behaviour. False, and
    // nothing changes, when the number would not fit a Single, or when the text holds characters the
    // field's keys refuse: those came with a paste or a drop, which is refused whole with the message
    // that says what the field takes (PasteRefusal).
    bool SetText(InputField field, const std::string& text);
    // SetText of a text already checked as SetText checks it, with the number it reads: the text is
    // not looked at again. A pair typed in without a window checks its entries before it types them.
    void SetCheckedText(InputField field, const std::string& text, double number);
    void Enter(InputField field); // focus gained (select all is the window's)
    void Leave(InputField field); // focus lost
    // The gear-type options: a change of kind forgets the diameters and the center distance.
    void ChooseKind(PairKind kind);
    // Inch (diametral pitch) or metric (module, millimetres): the pair is kept and every entry is given
    // in the new units. The pitch becomes 25.4 / DP as a module, or 25.4 / module as a diametral
    // pitch, and the typed diameters and center distance are multiplied or divided by 25.4; each is
    // shown with the field's five decimals and stored as if typed so. A value the program estimated is
    // estimated again in the new units, an empty field stays empty, and teeth and angles are as they
    // were. An entry that would not fit in the new units (too large a number, or 0.00000) keeps the
    // old units and every field as it was: a message names it and the focus goes to it.
    void ChooseUnit(LengthUnit unit);
    LengthUnit Unit() const { return state_.Unit; }
    // Whether the field holds a value the program estimated (an outside diameter, the inside diameter
    // of an internal gear, the center distance) rather than one the user typed or left empty. Any edit
    // of the field's text makes it the user's.
    bool IsEstimate(InputField field) const;
    // The window coming to the front: an empty helix angle reads 0, an empty pressure angle 20.
    void Activated();
    // The Calculate button: the checks, then the output window of the pair's kind to open.
    CalculateOutcome CalculatePair();

private:
    static const std::string& ExternalLabelOD();
    static const std::string& InternalLabelOD();
    // Every change of a text; `number` is its leading number when the caller has read it.
    void Write(InputField field, const std::string& text, std::optional<double> number = std::nullopt);
    // Write(field, FiveDecimalText(value)); the text is made when it is read, unless the change is
    // reported or the field has a change behaviour.
    void WriteFiveDecimals(InputField field, Single value);
    void WriteEmpty(InputField field); // Write(field, "")
    bool HasText(InputField field) const;
    bool TextIs(InputField field, const std::string& text) const;
    void Clear(InputField field); // empty text, value 0
    void Changed(InputField field);
    using FieldFlags = std::array<bool, 8>; // indexed by InputField
    // The basic values, with the estimates they write; a length marked in keptEmpty is neither
    // estimated nor written.
    void RunBasicValues(const FieldFlags& keptEmpty = {});
    void EstimateDiametersAfresh();
    void StorePitch(Single typed); // the pitch field's value, in the pair's unit
    void EmptyZeroFields();
    void Show(const Message& message);
    void Focus(InputField field);
    // LeadingNumber of the field's text, read once for each text it is given: leaving the field and
    // Calculate read it again.
    double Number(InputField field);
    void KnowNumber(InputField field, double number);

    GearPairState& state_;
    Observer observer_;
    // A field shown with five decimals keeps the value until its text is read: a pair typed in
    // without a window never needs most of them.
    mutable std::array<std::string, 8> texts_;
    std::array<Single, 8> unwrittenValues_{};
    mutable unsigned unwritten_ = 0; // a bit for each field whose text is that of its unwritten value
    FieldFlags estimated_{};
    std::array<double, 8> numbers_{};
    unsigned numbersKnown_ = 0; // a bit for each field whose number is that of its current text
    PairKind chosen_ = PairKind::External;
    const std::string* labelOD_ = &ExternalLabelOD();
};

} // namespace korvanta
