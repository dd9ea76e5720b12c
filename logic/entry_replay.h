#pragma once

#include <array>
#include <optional>
#include <string>

#include "core/pair_kind.h"
#include "logic/input_form.h"

namespace korvanta {

// Types a pair into the input form as a user does after the window comes up: the window activated,
// the first field entered, the kind chosen, then each given entry typed into its field and the field
// left, in tab order. The estimates and the re-shown values are those typing gives. An entry given a
// number in `checked` (indexed by InputField) has been checked as the form checks a typed text and
// reads that number: its text is not looked at again.
void TypeEntries(InputForm& form, PairKind kind, const std::array<std::optional<std::string>, 8>& entries,
                 const std::array<std::optional<double>, 8>& checked = {});

} // namespace korvanta
