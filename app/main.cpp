#include <QApplication>

#include "ui/common/program_window.h"
#include "ui/input/start_up.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    korvanta::InstallActivationTracking();
    korvanta::StartUp();
    return QApplication::exec();
}
