#include "core/input_field.h"

namespace korvanta {

std::string_view FieldControlName(InputField field) {
    switch (field) {
    case InputField::NT1:
        return "TextNT1";
    case InputField::NT2:
        return "TextNT2";
    case InputField::DP:
        return "TextDP";
    case InputField::PA:
        return "TextPA";
    case InputField::HA:
        return "TextHA";
    case InputField::OD1:
        return "TextOD1";
    case InputField::OD2:
        return "TextOD2";
    case InputField::CD:
        return "TextCD";
    }
    return {};
}

} // namespace korvanta
