#include "logic/key_filter.h"

#include <cfloat>
#include <cmath>

#include "core/number_text.h"

namespace korvanta {

namespace {
constexpr int kBackspace = 8;
}

bool FilterKey(std::string& allowed, int characterCode) {
    if (allowed.empty()) {
        allowed = kNumberKeys;
    }
    bool accepted = false;
    for (char c : allowed) {
        if (characterCode == static_cast<unsigned char>(c) || characterCode == kBackspace) {
            accepted = true;
        }
    }
    return accepted;
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
