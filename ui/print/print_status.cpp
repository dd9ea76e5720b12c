#include "ui/print/print_status.h"

#include "ui/print/show_status.h"

namespace korvanta {

namespace {

int& StatusSeconds() {
    static int seconds = kStatusMessageSeconds;
    return seconds;
}

} // namespace

void ShowPrintStatus(ProgramWindows& windows, const QString& message) {
    ShowStatus(windows, message, StatusSeconds());
}

void SetPrintStatusSeconds(int seconds) {
    StatusSeconds() = seconds;
}

} // namespace korvanta
