#include "ui/print/print_status.h"

#include "ui/print/show_status.h"

namespace korvanta {

namespace {

int& StatusSeconds() {
    static int seconds = 3;
    return seconds;
}

} // namespace

void ShowPrintStatus(const QString& message) {
    ShowStatus(message, StatusSeconds());
}

void SetPrintStatusSeconds(int seconds) {
    StatusSeconds() = seconds;
}

} // namespace korvanta
