#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/gear_pair_state.h"
#include "core/inspection_measurements.h"
#include "core/measurement_texts.h"
#include "core/message.h"
#include "core/pair_kind.h"
#include "core/pair_solution.h"

namespace korvanta {

// What the user may choose in the measurements window: a member's pin or ball diameter, or the
// number of its teeth the span anvils reach over.
enum class MeasurementEntry { PinDiameter, SpanTeeth };

struct MeasurementField {
    MeasurementEntry entry;
    Member member;

    bool operator==(const MeasurementField&) const = default;
};

inline constexpr std::array<MeasurementField, 4> kMeasurementFields = {{
    {MeasurementEntry::PinDiameter, Member::Pinion},
    {MeasurementEntry::PinDiameter, Member::Gear},
    {MeasurementEntry::SpanTeeth, Member::Pinion},
    {MeasurementEntry::SpanTeeth, Member::Gear},
}};

// One row of the window: its caption and the pinion and gear texts; `entry` names the row whose
// cells the user may type into.
struct MeasurementRow {
    std::string caption;
    std::string pinion;
    std::string gear;
    std::optional<MeasurementEntry> entry;
};

inline constexpr int kMeasurementRowCount = 11;

// Shown in place of the window when the pair's calculation stopped on an arithmetic fault.
Message MeasurementFault();

// Shown (and printed) with measurements whose pair has been entered differently since.
inline constexpr std::string_view kEntriesChangedNotice =
    "The entries have changed since this pair was measured: press Calculate to measure the pair now entered.";

// The measurements window without its widgets: the measured pair, the texts of the four fields the
// user may type into, and the rows and sentence shown. A field takes the keys an input field of its
// kind takes (digits and points for a diameter, digits for the teeth spanned); leaving it measures
// again with the new choice, an empty field taking the default again.
class MeasurementForm {
public:
    // The measurements of a complete solution with the tools chosen before for the pair; a choice
    // this pair cannot take (more teeth spanned than it has, a span on the internal gear) gives way
    // to the default. The solution's own measurements serve when they were made with those tools.
    MeasurementForm(const PairSolution& solution, const PerMember<MeasurementChoice>& choices = {});

    bool Internal() const { return solution_.kind == PairKind::Internal; }
    // "Inspection Measurements", with the unit of a metric pair's lengths.
    std::string Title() const;
    LengthUnit Unit() const { return solution_.calculated.Unit; }
    // The column headings of the output table of the pair.
    std::array<std::string, 2> Columns() const;
    std::array<MeasurementRow, kMeasurementRowCount> Rows() const;
    // The interference flags in words.
    std::string InterferenceSentence() const;
    const PairMeasurementTexts& Texts() const { return texts_; }
    // The tools typed for the pinion and the gear (none typed: the default one).
    const PerMember<MeasurementChoice>& Choices() const { return choices_; }
    // Whether the pair measured is the one the state now holds; if not, NotMeasuredNotice says so.
    bool Measures(const GearPairState& now) const { return SameEntries(solution_.calculated, now); }

    // False for the internal gear's teeth spanned: it is measured between pins, over no span.
    bool Editable(MeasurementField field) const;
    const std::string& Text(MeasurementField field) const;

    // The characters the field's keys type.
    static std::string_view AllowedKeys(MeasurementField field);
    // A typed character (Backspace is 8): true when the field's keys take it.
    bool KeyAccepted(MeasurementField field, int characterCode) const;
    // The user's edit of the text; false (nothing changes) when the number would not fit a Single or
    // the text holds characters the keys would not type (PasteRefusal says why).
    bool SetText(MeasurementField field, const std::string& text);
    // Focus lost: measures again with the field's value. A value the member cannot be measured with
    // is refused: the field shows its measured value again and the message says why.
    std::optional<Message> Leave(MeasurementField field);

private:
    void Show(const PairMeasurements& measured);
    std::string& Typed(MeasurementField field);
    const std::string& Shown(MeasurementField field) const;
    int Teeth(Member member) const;

    PairSolution solution_;
    PerMember<MeasurementChoice> choices_{};
    PairMeasurements measured_;
    PairMeasurementTexts texts_;
    std::array<std::string, 4> typed_; // in the order of kMeasurementFields
};

} // namespace korvanta
