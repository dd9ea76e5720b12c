#pragma once

#include <QWidget>

namespace korvanta {

// The plain sans serif of 8.25 points the information and status windows are written in; controls
// without a font of their own take it over.
void UseFormFont(QWidget& window);

} // namespace korvanta
