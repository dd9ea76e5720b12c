#include "logic/key_filter.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <vector>

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

// The digits and the point of the fields' own sets are told by their codes, without looking them up.
bool OnlyAllowed(std::string_view allowed, std::string_view text) {
    const bool point = allowed == kNumberKeys;
    if (!point && allowed != kToothKeys) {
        return text.find_first_not_of(allowed) == std::string_view::npos;
    }
    return std::all_of(text.begin(), text.end(),
                       [point](char c) { return (c >= '0' && c <= '9') || (point && c == '.'); });
}

namespace {

// The characters of the text the keys would not type, once each, in their order: whole UTF-8
// sequences, and white space and control characters gathered as one.
std::vector<std::string> RefusedCharacters(std::string_view allowed, std::string_view text, bool& space) {
    std::vector<std::string> refused;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t length = 1;
        while (at + length < text.size() && (static_cast<unsigned char>(text[at + length]) & 0xC0) == 0x80) {
            ++length;
        }
        const std::string character(text.substr(at, length));
        at += length;
        if (length == 1 && allowed.find(character[0]) != std::string_view::npos) {
            continue;
        }
        const unsigned char first = static_cast<unsigned char>(character[0]);
        if (length == 1 && (first <= ' ' || first == 0x7F)) {
            space = true;
        } else if (std::find(refused.begin(), refused.end(), character) == refused.end()) {
            refused.push_back(character);
        }
    }
    return refused;
}

} // namespace

std::optional<Message> PasteRefusal(std::string_view allowed, std::string_view text) {
    if (OnlyAllowed(allowed, text)) {
        return std::nullopt;
    }
    bool space = false;
    const std::vector<std::string> refused = RefusedCharacters(allowed, text, space);
    if (refused.empty() && !space) {
        return std::nullopt;
    }
    std::vector<std::string> named;
    for (const std::string& character : refused) {
        named.push_back("\"" + character + "\"");
    }
    if (space) {
        named.emplace_back("spaces");
    }
    std::string list = named.front();
    for (std::size_t i = 1; i < named.size(); ++i) {
        list += (i + 1 == named.size() ? " or " : ", ") + named[i];
    }
    const bool point = allowed.find('.') != std::string_view::npos;
    std::string sentence =
        point ? "This field takes only digits and a decimal point" : "This field takes only digits";
    sentence += ", not " + list + ": nothing was pasted.";
    if (point && std::find(refused.begin(), refused.end(), ",") != refused.end()) {
        sentence += " For a decimal comma, use a point.";
    }
    return Message{sentence, std::string(kMessageTitle), MessageIcon::Exclamation};
}

bool FitsSingle(std::string_view text) {
    return NumberFitsSingle(LeadingNumber(text));
}

bool NumberFitsSingle(double number) {
    return std::isfinite(number) && std::fabs(number) <= FLT_MAX;
}

} // namespace korvanta
