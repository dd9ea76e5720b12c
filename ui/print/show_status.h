#pragma once

#include <QString>

namespace korvanta {

class ProgramWindows;

// How long the program's status messages stay.
inline constexpr int kStatusMessageSeconds = 3;

// Shows the status window with the message for the given number of seconds, processing window events
// meanwhile (waiting on a timer, not spinning), then unloads it. The caller continues only afterwards.
void ShowStatus(ProgramWindows& windows, const QString& message, int seconds);

} // namespace korvanta
