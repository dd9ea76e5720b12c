#pragma once

#include <QString>

namespace korvanta {

// The status message after a print: ShowStatus for three seconds, or for the duration set here
// (tests keep it short).
void ShowPrintStatus(const QString& message);
void SetPrintStatusSeconds(int seconds);

} // namespace korvanta
