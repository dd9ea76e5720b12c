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
    void Enter(InputField field); // focus gained (select all is the window's)
    void Leave(InputField field); // focus lost
    // The gear-type options: a change of kind forgets the diameters and the center distance.
    void ChooseKind(PairKind kind);
    // Inch (diametral pitch) or metric (module, millimetres): the pitch field is read in the new unit,
    // and the diameters and the center distance are forgotten and estimated again.
    void ChooseUnit(LengthUnit unit);
    LengthUnit Unit() const { return state_.Unit; }
    // The window coming to the front: an empty helix angle reads 0, an empty pressure angle 20.
    void Activated();
    // The Calculate button: the checks, then the output window of the pair's kind to open.
    CalculateOutcome CalculatePair();

private:
    static const std::string& ExternalLabelOD();
    static const std::string& InternalLabelOD();
    // Every change of a text; `number` is its leading number when the caller has read it.
    void Write(InputField field, const std::string& text, std::optional<double> number = std::nullopt);
    void WriteEmpty(InputField field); // Write(field, "")
    void Clear(InputField field);      // empty text, value 0
    void Changed(InputField field);
    void RunBasicValues();
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
    std::array<std::string, 8> texts_;
    std::array<double, 8> numbers_{};
    unsigned numbersKnown_ = 0; // a bit for each field whose number is that of its current text
    PairKind chosen_ = PairKind::External;
    const std::string* labelOD_ = &ExternalLabelOD();
};

} // namespace korvanta
