#pragma once

namespace korvanta::cli {

// Exit statuses of the command beyond those of a calculated pair (RunStatus).
inline constexpr int kUsageStatus = 2;
// Reading the input or writing the output failed; the message names the system's reason.
inline constexpr int kInputOutputStatus = 4;

} // namespace korvanta::cli
