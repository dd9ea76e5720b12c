#include <QApplication>

#include "ui/common/enter_presses_button.h"
#include "ui/common/program_window.h"
#include "ui/input/start_up.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    korvanta::InstallActivationTracking();
    korvanta::InstallEnterPressesButtons();
    korvanta::StartUp();
    return QApplication::exec();
}
