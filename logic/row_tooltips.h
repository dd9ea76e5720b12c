#pragma once

#include <string_view>

#include "core/length_unit.h"
#include "logic/output_table.h"

namespace korvanta {

// One line on what a row of the output windows is and what an inspector does with it, shown as the
// tooltip of the row's caption.
std::string_view RowTooltip(OutputRow row, LengthUnit unit);

} // namespace korvanta
