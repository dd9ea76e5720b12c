#pragma once

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>

// What a shown text may look like, whatever was entered.
namespace property {

inline constexpr std::string_view kDegree = "\xC2\xB0";

// True when the text names an infinity or a not-a-number, in any letter case.
inline bool NamesInfinityOrNaN(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower.find("inf") != std::string::npos || lower.find("nan") != std::string::npos;
}

// A fixed pattern: an optional minus, at least one integer digit, a point and `decimals` digits (any of
// 3 to 6 when decimals is 0), an optional degree sign; no exponent.
inline bool IsFixedPattern(std::string_view text, int decimals = 0) {
    if (text.ends_with(kDegree)) {
        text.remove_suffix(kDegree.size());
    }
    if (text.starts_with('-')) {
        text.remove_prefix(1);
    }
    const std::size_t point = text.find('.');
    if (point == std::string_view::npos || point == 0) {
        return false;
    }
    const std::size_t count = text.size() - point - 1;
    const bool countFits =
        decimals == 0 ? count >= 3 && count <= 6 : count == static_cast<std::size_t>(decimals);
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    return countFits && std::all_of(text.begin(), text.begin() + static_cast<long>(point), isDigit) &&
           std::all_of(text.begin() + static_cast<long>(point) + 1, text.end(), isDigit);
}

} // namespace property
