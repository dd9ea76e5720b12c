#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "cli/pair_run.h"
#include "core/input_field.h"

namespace korvanta::cli {

// Why the value could not be typed into the field, or nothing when it could: only characters the
// field's keys accept, and a number that fits a Single. `name` is how the message names the field.
std::optional<std::string> FieldValueError(std::string_view name, std::string_view value, InputField field);

// Why a diameter text could not be typed into the diagram's diameter box, or nothing when it could.
std::optional<std::string> DiameterValueError(std::string_view name, std::string_view value);

// "external" or "internal"; nothing for any other text.
std::optional<PairKind> PairKindNamed(std::string_view text);

} // namespace korvanta::cli
