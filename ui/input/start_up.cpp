#include "ui/input/start_up.h"

#include <QApplication>

#include "ui/common/fonts.h"
#include "ui/common/gear_icon.h"
#include "ui/input/splash_window.h"
#include "ui/program_windows.h"

namespace korvanta {

void StartUp(ProgramWindows& windows) {
    InstallFontSubstitutes();
    QApplication::setWindowIcon(GearIcon());
    ShowWindow(&windows.Splash());
}

} // namespace korvanta
