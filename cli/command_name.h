#pragma once

#include <string_view>

namespace korvanta::cli {

// The command's name: it begins its messages on standard error and titles the errors it finds itself.
inline constexpr std::string_view kCommandName = "korvanta-calc";

} // namespace korvanta::cli
