#pragma once

#include <cstddef>
#include <string>

#include "core/input_field.h"
#include "core/length_unit.h"

namespace korvanta {

// One line on what an input field takes, in its unit, shown as the field's tooltip (in the words of
// the output captions' tooltips).
std::string InputFieldTooltip(InputField field, LengthUnit unit);

// The same for a row of the measurements window, by its place from the top (the contact ratio 0, the
// span contact on the active profile 10).
std::string MeasurementRowTooltip(std::size_t row, LengthUnit unit);

} // namespace korvanta
