#include <QApplication>
#include <QCommandLineParser>
#include <QStringList>

#include "core/version.h"
#include "headless_mesh.h"
#include "logic/session.h"
#include "ui/common/enter_presses_button.h"
#include "ui/common/program_window.h"
#include "ui/common/system_services.h"
#include "ui/input/start_up.h"
#include "ui/program_windows.h"

namespace {

QStringList ArgumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    return arguments;
}

// --help and --version answer on standard output and need no display, so they are answered before
// the windows' application (which opens the display) exists. The version is shown whatever Qt options
// come with it; help goes through the parser, which also lists Qt's options for --help-all.
void AnswerInformationOptions(QCommandLineParser& parser, int& argc, char** argv) {
    parser.parse(ArgumentsOf(argc, argv));
    const bool version = parser.isSet(QStringLiteral("version"));
    if (!version && !parser.isSet(QStringLiteral("help")) && !parser.isSet(QStringLiteral("help-all"))) {
        return;
    }
    const QCoreApplication information(argc, argv);
    if (version) {
        parser.showVersion();
    }
    parser.process(information);
}

} // namespace

int main(int argc, char** argv) {
    // The settings (the units the input window starts in) are kept under these names.
    QCoreApplication::setOrganizationName(QStringLiteral("korvanta"));
    QCoreApplication::setApplicationName(QStringLiteral("korvanta"));
    QCoreApplication::setApplicationVersion(QString::fromUtf8(korvanta::kVersion));
    if (const std::optional<int> status = korvanta::RunHeadlessMesh(argc, argv)) {
        return *status;
    }
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Calculates the inspection data of a mating pair of involute gears in its windows."));
    // Qt's own options are single-dash words (-platform, -reverse): read them as words, not as
    // letters, so that -reverse is not taken for -r -e -v (--version).
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("A pair file (.korvanta) to open."),
                                 QStringLiteral("[FILE]"));
    AnswerInformationOptions(parser, argc, argv);

    QApplication application(argc, argv);
    parser.process(application);
    korvanta::InstallActivationTracking();
    korvanta::InstallEnterPressesButtons();
    // The services the windows reach outside the program with, the run's gear pair and its windows,
    // handed to every window; released before the application.
    korvanta::SystemServices services;
    korvanta::Session session;
    korvanta::ProgramWindows windows(session, services.services());
    if (const QStringList files = parser.positionalArguments(); !files.isEmpty()) {
        windows.OpenAtStart(files.constFirst());
    }
    korvanta::StartUp(windows);
    return QApplication::exec();
}
