#pragma once

namespace korvanta {

class ProgramWindows;

// The program's start: the font substitutes, the program icon and the splash window. The splash's
// timer then opens the input window. The session holds the start-up angle constants already.
void StartUp(ProgramWindows& windows);

} // namespace korvanta
