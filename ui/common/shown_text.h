#pragma once

#include <QString>

namespace korvanta {

// A stored text as a widget shows it: carriage return + line feed, or a lone carriage return,
// becomes a line break.
QString ShownText(const QString& stored);

} // namespace korvanta
