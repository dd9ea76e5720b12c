#pragma once

#include <string>

namespace korvanta {

// The title of the program's message boxes.
inline constexpr char kMessageTitle[] = "Korvanta";

enum class MessageIcon { None, Stop, Exclamation };

// A message box as the program shows it: text, title, icon and OK; or, with `question`, the buttons
// Yes and No with Yes as the default.
struct Message {
    std::string text;
    std::string title = kMessageTitle;
    MessageIcon icon = MessageIcon::None;
    bool question = false;

    bool operator==(const Message&) const = default;
};

} // namespace korvanta
