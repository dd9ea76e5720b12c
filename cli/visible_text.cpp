#include "cli/visible_text.h"

#include <array>
#include <cstdio>

namespace korvanta::cli {

namespace {

unsigned char Byte(std::string_view text, std::size_t i) {
    return static_cast<unsigned char>(text[i]);
}

bool IsContinuation(std::string_view text, std::size_t i) {
    return i < text.size() && (Byte(text, i) & 0xC0) == 0x80;
}

// The code point of a well-formed sequence.
char32_t CodePoint(std::string_view text, std::size_t i, std::size_t length) {
    static constexpr std::array<unsigned char, 5> kLeadMask = {0, 0x7F, 0x1F, 0x0F, 0x07};
    char32_t point = Byte(text, i) & kLeadMask[length];
    for (std::size_t k = 1; k < length; ++k) {
        point = (point << 6) | (Byte(text, i + k) & 0x3F);
    }
    return point;
}

void AppendEscape(std::string& out, const char* format, unsigned value) {
    std::array<char, 8> escape{};
    std::snprintf(escape.data(), escape.size(), format, value);
    out += escape.data();
}

} // namespace

std::size_t Utf8SequenceLength(std::string_view text, std::size_t i) {
    const unsigned char lead = Byte(text, i);
    std::size_t length = 0;
    if (lead < 0x80) {
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
    } else {
        return 0;
    }
    for (std::size_t k = 1; k < length; ++k) {
        if (!IsContinuation(text, i + k)) {
            return 0;
        }
    }
    const char32_t point = CodePoint(text, i, length);
    const bool overlong = (length == 3 && point < 0x800) || (length == 4 && point < 0x10000);
    const bool surrogate = point >= 0xD800 && point <= 0xDFFF;
    return overlong || surrogate || point > 0x10FFFF ? 0 : length;
}

std::string VisibleText(std::string_view text) {
    std::string visible;
    visible.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t length = Utf8SequenceLength(text, i);
        if (length == 0) {
            visible += kReplacementCharacter;
            ++i;
            continue;
        }
        const char32_t point = CodePoint(text, i, length);
        if ((point < 0x20 && point != '\t') || point == 0x7F) {
            AppendEscape(visible, "\\x%02X", static_cast<unsigned>(point));
        } else if (point >= 0x80 && point < 0xA0) {
            AppendEscape(visible, "\\u%04X", static_cast<unsigned>(point));
        } else {
            visible.append(text.substr(i, length));
        }
        i += length;
    }
    return visible;
}

} // namespace korvanta::cli
