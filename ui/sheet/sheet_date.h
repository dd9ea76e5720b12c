#pragma once

#include <string>

namespace korvanta {

// The day a sheet is made, as YYYY-MM-DD: today, or the day of SOURCE_DATE_EPOCH (seconds since 1970,
// in UTC) where it is set, so that a sheet made again from the same file is the same file.
std::string SheetDate();

} // namespace korvanta
