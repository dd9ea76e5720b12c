#include "ui/output/end_program.h"

#include <QApplication>

#include "ui/common/program_window.h"
#include "ui/input/frm_roll_angles0.h"

namespace korvanta {

void EndProgram(QWidget& outputWindow) {
    Unload(&outputWindow);
    UnloadInstance<FrmRollAngles0>();
    QApplication::quit();
}

} // namespace korvanta
