#pragma once

#include <string_view>

// True when the text is one JSON value (RFC 8259) and nothing else but blanks, in well-formed UTF-8.
bool IsValidJson(std::string_view text);
