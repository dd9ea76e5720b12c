#pragma once

#include <array>
#include <string_view>

namespace korvanta {

// The eight entry fields of the input window, in tab order.
enum class InputField { NT1, NT2, DP, PA, HA, OD1, OD2, CD };

inline constexpr std::array<InputField, 8> kInputFields = {InputField::NT1, InputField::NT2, InputField::DP,
                                                           InputField::PA,  InputField::HA,  InputField::OD1,
                                                           InputField::OD2, InputField::CD};

// The control name of the field's text box ("TextNT1", ..., "TextCD").
std::string_view FieldControlName(InputField field);

} // namespace korvanta
