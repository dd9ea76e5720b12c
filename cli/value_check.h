#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "cli/pair_run.h"
#include "core/input_field.h"

namespace korvanta::cli {

// The number the value reads once typed into the field, or why it could not be typed: only
// characters the field's keys accept, and a number that fits a Single. `name` is how the message
// names the field.
std::variant<double, std::string> CheckedFieldNumber(std::string_view name, std::string_view value,
                                                     InputField field);

// Why a diameter text could not be typed into the diagram's diameter box, or nothing when it could.
std::optional<std::string> DiameterValueError(std::string_view name, std::string_view value);

// The accuracy class (1 to 11) and the face width (greater than 0, typed as a diameter is) of the
// tolerances, or why not; the names are how the message names the two values.
std::variant<ToleranceChoice, std::string> ToleranceChoiceOf(std::string_view accuracyClass,
                                                             std::string_view faceWidth,
                                                             std::string_view className,
                                                             std::string_view faceWidthName);

// "external" or "internal"; nothing for any other text.
std::optional<PairKind> PairKindNamed(std::string_view text);

} // namespace korvanta::cli
