#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "cli/pair_run.h"
#include "core/gear_pair_state.h"
#include "core/pair_kind.h"

namespace korvanta::cli {

enum class MeasuringTool { Pin, Span };

// A measuring tool the user may choose for the pinion or the gear, the members of --nt1 and
// --nt2 once the input window has put the fewer teeth first: the pin or ball diameter, or the teeth
// spanned. The name is the batch column; the option is "--" and the name.
struct MeasurementInput {
    std::string_view name;
    MeasuringTool tool;
    Member member;
};

inline constexpr std::array<MeasurementInput, 4> kMeasurementInputs = {{
    {"pin1", MeasuringTool::Pin, Member::Pinion},
    {"pin2", MeasuringTool::Pin, Member::Gear},
    {"span1", MeasuringTool::Span, Member::Pinion},
    {"span2", MeasuringTool::Span, Member::Gear},
}};

const MeasurementInput* MeasurementInputNamed(std::string_view name);

// Reads the value into the inputs' choices; the reason when it cannot: a pin or ball diameter is read
// as the number fields read theirs and must be greater than 0, the teeth spanned are digits only and
// at least 1. `name` is how the message names the value.
std::optional<std::string> ApplyMeasurementInput(const MeasurementInput& input, std::string_view name,
                                                 std::string_view value, PairInputs& inputs);

// Why the chosen teeth spanned do not fit the pair that Calculate accepted, or nothing: a span lies
// over 1 to N − 1 teeth of an external member, and the internal gear has none. Calculate has made the
// pinion's outside diameter no larger than the gear's, so the table keeps the members in the fields'
// order.
std::optional<std::string> SpanChoiceError(const GearPairState& state, const PairInputs& inputs);

} // namespace korvanta::cli
