#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/gear_pair_state.h"
#include "core/input_field.h"
#include "core/message.h"
#include "core/single.h"

namespace korvanta {

// "The pinion must have equal or fewer teeth than the gear." CR "Pinion and gear teeth will be swapped."
Message ToothExchangeWarning();

struct FieldWrite {
    InputField field;
    std::string text;
    bool operator==(const FieldWrite&) const = default;
};

// What GetBasicValues asks the input window to do, in this order: show the warning (if any), then
// write the texts one after another (each write runs the field's change behaviour).
struct BasicValuesOutcome {
    bool toothExchangeWarning = false;
    std::vector<FieldWrite> writes;
};

// A value the basic values show in a field: a tooth count as its general text, a length with five
// decimals (FieldValueText).
struct FieldValueWrite {
    InputField field = InputField::NT1;
    Single value;
    // The number the field's five-decimal text reads (FiveDecimalNumber(value)), where the basic
    // values have found it already.
    std::optional<double> number;
};

std::string FieldValueText(const FieldValueWrite& write);

// The same outcome with the values in place of their texts, for a caller that writes a text only
// when it is read: at most the two diameters and the center distance, or the two tooth counts.
struct BasicValuesWrites {
    static constexpr std::size_t kMostWrites = 3;
    bool toothExchangeWarning = false;
    std::array<FieldValueWrite, kMostWrites> writes{};
    std::size_t count = 0;

    std::span<const FieldValueWrite> Writes() const { return {writes.data(), count}; }
};

// Refreshes TDP, PD1, PD2 and estimates OD1, OD2, CD where they are 0; for an external pair with more
// pinion than gear teeth (as typed in textNT1 / textNT2) exchanges the tooth counts instead.
// Entries so extreme that a value leaves the Single range leave the state unchanged and write nothing.
BasicValuesOutcome GetBasicValues(GearPairState& state, std::string_view textNT1, std::string_view textNT2);
// The same from the leading numbers of the two texts, for a caller that has read them already.
BasicValuesOutcome GetBasicValues(GearPairState& state, double typedNT1, double typedNT2);
// The same with the values to show in place of their texts.
BasicValuesWrites GetBasicValueWrites(GearPairState& state, double typedNT1, double typedNT2);

} // namespace korvanta
