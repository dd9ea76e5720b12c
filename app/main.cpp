#include <QApplication>
#include <QCommandLineParser>
#include <QStringList>

#include "core/version.h"
#include "ui/common/program_window.h"
#include "ui/input/start_up.h"

namespace {

QStringList ArgumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    return arguments;
}

// --help and --version answer on standard output and need no display, so they are answered before
// the windows' application (which opens the display) exists.
void AnswerInformationOptions(QCommandLineParser& parser, int& argc, char** argv) {
    parser.parse(ArgumentsOf(argc, argv));
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all")) ||
        parser.isSet(QStringLiteral("version"))) {
        const QCoreApplication information(argc, argv);
        parser.process(information);
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication::setApplicationName(QStringLiteral("korvanta"));
    QCoreApplication::setApplicationVersion(QString::fromUtf8(korvanta::kVersion));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Calculates the inspection data of a mating pair of involute gears in its windows."));
    parser.addHelpOption();
    parser.addVersionOption();
    AnswerInformationOptions(parser, argc, argv);

    QApplication application(argc, argv);
    parser.process(application);
    korvanta::InstallActivationTracking();
    korvanta::StartUp();
    return QApplication::exec();
}
