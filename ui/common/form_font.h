#pragma once

#include <QWidget>

namespace korvanta {

// The family the forms are written in, and their plain size in points.
inline constexpr char kFormFontFamily[] = "MS Sans Serif";
inline constexpr double kFormFontPointSize = 8.25;

// The plain sans serif of 8.25 points the information and status windows are written in; controls
// without a font of their own take it over.
void UseFormFont(QWidget& window);

} // namespace korvanta
