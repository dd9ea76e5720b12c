#include <QApplication>
#include <gtest/gtest.h>

#include "ui/common/enter_presses_button.h"
#include "ui/common/fonts.h"
#include "ui/common/program_window.h"

int main(int argc, char** argv) {
    // Test discovery runs the binary at build time, where no display may exist.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    korvanta::InstallActivationTracking();
    korvanta::InstallEnterPressesButtons();
    korvanta::InstallFontSubstitutes();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
