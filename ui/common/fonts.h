#pragma once

namespace korvanta {

// The forms ask for kFormFontFamily; where it is missing, a metric-compatible sans serif stands in.
void InstallFontSubstitutes();

} // namespace korvanta
