#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/input_field.h"
#include "core/message.h"

namespace korvanta {

inline constexpr std::string_view kToothKeys = "0123456789";
inline constexpr std::string_view kNumberKeys = ".0123456789";
// The character code of Backspace, which every field takes.
inline constexpr int kBackspace = 8;

// True when the character code may be typed: it occurs in the allowed set, or it is Backspace (8).
// An empty set stands for ".0123456789".
bool FilterKey(std::string_view allowed, int characterCode);

// The allowed set of an input field: digits for the tooth counts, digits and points otherwise.
std::string_view AllowedKeys(InputField field);

// True when every character of the text (none for an empty text) is one of the allowed set.
bool OnlyAllowed(std::string_view allowed, std::string_view text);

// A paste, a drop or the middle-click selection that brings characters the keys of the allowed set
// would not type is refused whole (a silently filtered "4,25" would become 425): the message says
// which characters the field takes and which of the text it does not, and names the decimal comma.
// Nothing when the text holds only characters the keys type.
std::optional<Message> PasteRefusal(std::string_view allowed, std::string_view text);

// False when the leading number of the text would not fit a Single (the keystroke or paste that
// makes it so is refused like a rejected key).
bool FitsSingle(std::string_view text);
// The same for the leading number of a text, read already.
bool NumberFitsSingle(double number);

} // namespace korvanta
