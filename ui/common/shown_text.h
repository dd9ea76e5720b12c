#pragma once

#include <QString>
#include <string_view>

namespace korvanta {

// A stored text as a widget shows it: carriage return + line feed, or a lone carriage return,
// becomes a line break.
QString ShownText(std::string_view stored);
QString ShownText(const QString& stored);

} // namespace korvanta
