#pragma once

#include <array>
#include <optional>
#include <string>

#include "core/gear_pair_state.h"
#include "core/input_field.h"
#include "core/message.h"
#include "core/pair_kind.h"

namespace korvanta {

struct CalculateOutcome {
    std::optional<Message> rejection; // shown as a modal box, then the focus goes to `focus`
    std::optional<InputField> focus;
    std::optional<PairKind> opens; // the output window of the pair's kind, when the pair is accepted
};

using FieldTexts = std::array<std::string, 8>; // indexed by InputField

// The Calculate command of the input window: stores the chosen kind of pair, runs the checks
// in their fixed order, stores the fields and derives TDP, PD1, PD2, TPA, DB1, DB2. A pressure or helix
// angle of 90° or more is rejected right after the presence checks; entries whose derived values leave
// the Single range are rejected with the focus on TextDP. A check that fails after the fields were
// stored leaves the stored and derived values in the state.
CalculateOutcome Calculate(GearPairState& state, PairKind chosen, const FieldTexts& texts);

using FieldNumbers = std::array<double, 8>; // indexed by InputField

// The same from the number of every field's text as LeadingNumber reads it, for a caller that has
// read them already.
CalculateOutcome Calculate(GearPairState& state, PairKind chosen, const FieldNumbers& numbers);

} // namespace korvanta
