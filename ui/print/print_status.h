#pragma once

#include <QString>

namespace korvanta {

class ProgramWindows;

// The status message after a print: ShowStatus for kStatusMessageSeconds, or for the duration set here
// (tests keep it short).
void ShowPrintStatus(ProgramWindows& windows, const QString& message);
void SetPrintStatusSeconds(int seconds);

} // namespace korvanta
