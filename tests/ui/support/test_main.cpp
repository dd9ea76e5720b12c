#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "ui/common/enter_presses_button.h"
#include "ui/common/fonts.h"
#include "ui/common/program_window.h"

int main(int argc, char** argv) {
    // Test discovery runs the binary at build time, where no display may exist.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The settings the windows keep (the units) go to a folder of this run, never the user's own, and
    // no two test processes share one.
    QStandardPaths::setTestModeEnabled(true);
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QCoreApplication::setOrganizationName(QStringLiteral("korvanta"));
    QCoreApplication::setApplicationName(QStringLiteral("korvanta"));

    QApplication app(argc, argv);
    korvanta::InstallActivationTracking();
    korvanta::InstallEnterPressesButtons();
    korvanta::InstallFontSubstitutes();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
