#pragma once

namespace korvanta {

// The forms ask for "MS Sans Serif"; where it is missing, a metric-compatible sans serif stands in.
void InstallFontSubstitutes();

} // namespace korvanta
