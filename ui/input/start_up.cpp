#include "ui/input/start_up.h"

#include <QApplication>

#include "core/gear_pair_state.h"
#include "ui/common/fonts.h"
#include "ui/common/gear_icon.h"
#include "ui/common/program_state.h"
#include "ui/input/frm_splash.h"

namespace korvanta {

void StartUp() {
    SetStartUpConstants(ProgramState());
    InstallFontSubstitutes();
    QApplication::setWindowIcon(GearIcon());
    ShowWindow(&Instance<frmSplash>());
}

} // namespace korvanta
