#include "logic/key_filter.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "core/number_text.h"

namespace korvanta {

bool FilterKey(std::string_view allowed, int characterCode) {
    if (characterCode == kBackspace) {
        return true;
    }
    const std::string_view keys = allowed.empty() ? kNumberKeys : allowed;
    return std::any_of(keys.begin(), keys.end(),
                       [characterCode](char c) { return characterCode == static_cast<unsigned char>(c); });
}

std::string_view AllowedKeys(InputField field) {
    return field == InputField::NT1 || field == InputField::NT2 ? kToothKeys : kNumberKeys;
}

std::string FilterText(std::string_view allowed, std::string_view text) {
    std::string kept;
    for (char c : text) {
        if (allowed.find(c) != std::string_view::npos) {
            kept += c;
        }
    }
    return kept;
}

std::string FilterText(InputField field, std::string_view text) {
    return FilterText(AllowedKeys(field), text);
}

bool FitsSingle(std::string_view text) {
    const double value = LeadingNumber(text);
    return std::isfinite(value) && std::fabs(value) <= FLT_MAX;
}

} // namespace korvanta
