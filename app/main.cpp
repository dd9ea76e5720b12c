#include <QApplication>
#include <QCommandLineParser>
#include <QGuiApplication>
#include <QStringList>
#include <cstdio>

#include "cli/exit_status.h"
#include "core/version.h"
#include "headless_mesh.h"
#include "logic/session.h"
#include "ui/common/enter_presses_button.h"
#include "ui/common/program_window.h"
#include "ui/common/system_services.h"
#include "ui/input/start_up.h"
#include "ui/program_windows.h"
#include "ui/sheet/sheet_command.h"
#include "ui/sheet/sheet_document.h"

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

const QCommandLineOption& SheetOption() {
    static const QCommandLineOption option(
        QStringLiteral("sheet"),
        QStringLiteral("Writes the inspection sheet of the pair file FILE as a PDF file (--output) "
                       "and opens no window; no display is needed."),
        QStringLiteral("FILE"));
    return option;
}

// Answered by RunHeadlessMesh before this parser runs; listed here so that --help names it.
const QCommandLineOption& MeshOption() {
    static const QCommandLineOption option(
        QStringLiteral("mesh"),
        QStringLiteral("Writes the mesh picture of the pair file FILE as an SVG or PDF file (--output, by "
                       "its ending) and opens no window; no display is needed."),
        QStringLiteral("FILE"));
    return option;
}

const QCommandLineOption& OutputOption() {
    static const QCommandLineOption option(
        QStringLiteral("output"), QStringLiteral("The file --sheet (PDF) or --mesh (SVG or PDF) writes."),
        QStringLiteral("FILE"));
    return option;
}

const QCommandLineOption& PaperOption() {
    static const QCommandLineOption option(
        QStringLiteral("paper"),
        QStringLiteral("The paper of --sheet: A4 or Letter (by default that of the locale)."),
        QStringLiteral("SIZE"));
    return option;
}

int RefuseUsage(const QString& message) {
    std::fprintf(
        stderr,
        "korvanta: %s\nUsage: korvanta --sheet FILE.korvanta --output SHEET.pdf [--paper A4|Letter]\n",
        qPrintable(message));
    return korvanta::cli::kUsageStatus;
}

// The sheet of a pair file without a window: on the offscreen platform unless another is asked for,
// with the application of pictures and fonts alone, so that no display is opened.
int WriteSheet(QCommandLineParser& parser, int& argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const QGuiApplication application(argc, argv);
    if (!parser.parse(QCoreApplication::arguments())) {
        return RefuseUsage(parser.errorText());
    }
    const QString output = parser.value(OutputOption());
    if (output.isEmpty()) {
        return RefuseUsage(QStringLiteral("--sheet needs the PDF file to write: --output SHEET.pdf."));
    }
    if (!parser.positionalArguments().isEmpty()) {
        return RefuseUsage(QStringLiteral("--sheet takes one pair file, not also %1.")
                               .arg(parser.positionalArguments().join(QLatin1Char(' '))));
    }
    QPageSize paper = korvanta::LocalPageSize();
    if (parser.isSet(PaperOption())) {
        const QString asked = parser.value(PaperOption());
        if (asked.compare(QStringLiteral("A4"), Qt::CaseInsensitive) == 0) {
            paper = QPageSize(QPageSize::A4);
        } else if (asked.compare(QStringLiteral("Letter"), Qt::CaseInsensitive) == 0) {
            paper = QPageSize(QPageSize::Letter);
        } else {
            return RefuseUsage(QStringLiteral("--paper takes A4 or Letter, not %1.").arg(asked));
        }
    }
    return korvanta::WriteSheetOfPairFile(parser.value(SheetOption()), output, paper);
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
    parser.addOptions({SheetOption(), MeshOption(), OutputOption(), PaperOption()});
    AnswerInformationOptions(parser, argc, argv);
    if (parser.isSet(SheetOption())) {
        return WriteSheet(parser, argc, argv);
    }

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
