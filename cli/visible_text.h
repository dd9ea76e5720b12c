#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace korvanta::cli {

// The length of the well-formed UTF-8 sequence that starts at `text[i]` (no overlong form, no
// surrogate, nothing above U+10FFFF), or 0 when the byte there starts none.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t i);

// The replacement character U+FFFD in UTF-8.
inline constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

// Text from the input as a message may quote it on a terminal: every byte that is not part of
// well-formed UTF-8 becomes U+FFFD, and every control character except the tab is written as a visible
// escape, so that no escape sequence of the input reaches the terminal: C0 controls and DEL as \x1B,
// C1 controls as \u009B.
std::string VisibleText(std::string_view text);

} // namespace korvanta::cli
