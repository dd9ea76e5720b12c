#pragma once

#include <QString>

namespace korvanta {

// Shows the status window with the message for the given number of seconds, processing window events
// meanwhile (waiting on a timer, not spinning), then unloads it. The caller continues only afterwards.
void ShowStatus(const QString& message, int seconds);

} // namespace korvanta
