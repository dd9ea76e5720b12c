#pragma once

#include <string_view>

namespace korvanta::cli {

// The text of --help, also shown after a usage error.
std::string_view UsageText();

} // namespace korvanta::cli
