#pragma once

#include <string>

namespace korvanta {

enum class MessageIcon { None, Stop, Exclamation };

// A message box as the program shows it: text, title, icon and OK; or, with `question`, the buttons
// Yes and No with Yes as the default.
struct Message {
    std::string text;
    std::string title = "Korvanta";
    MessageIcon icon = MessageIcon::None;
    bool question = false;

    bool operator==(const Message&) const = default;
};

} // namespace korvanta
