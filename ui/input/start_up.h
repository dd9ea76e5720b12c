#pragma once

namespace korvanta {

// The program's start: the angle constants, the program icon and the splash window. The splash's
// timer then opens the input window.
void StartUp();

} // namespace korvanta
