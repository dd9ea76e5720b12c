#pragma once

#include <string>
#include <string_view>

#include "cli/pair_run.h"

namespace korvanta::cli {

// The text as a JSON string literal, quotes included; control characters escaped (\r, \n, \u001b).
std::string JsonString(std::string_view text);

// One JSON object for the result, whatever its status.
std::string ResultJson(const PairRunResult& result);

} // namespace korvanta::cli
