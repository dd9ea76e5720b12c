#include "headless_mesh.h"

#include <QCommandLineParser>
#include <QDate>
#include <QGuiApplication>
#include <QStringList>
#include <iostream>
#include <string>
#include <variant>

#include "cli/exit_status.h"
#include "cli/pair_file_io.h"
#include "core/mesh_geometry.h"
#include "logic/mesh_texts.h"
#include "logic/pair_file_solution.h"
#include "ui/mesh/mesh_page.h"

namespace korvanta {

namespace {

const QString kMeshOption = QStringLiteral("mesh");
const QString kOutputOption = QStringLiteral("output");

bool AsksForTheMesh(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (argument == "--mesh" || argument.startsWith("--mesh=")) {
            return true;
        }
    }
    return false;
}

int Refused(const std::string& message, int status) {
    std::cerr << "korvanta: " << message << '\n';
    return status;
}

} // namespace

std::optional<int> RunHeadlessMesh(int& argc, char** argv) {
    if (!AsksForTheMesh(argc, argv)) {
        return std::nullopt;
    }
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    QCommandLineParser parser;
    parser.addOption({kMeshOption, QStringLiteral("The pair file."), QStringLiteral("FILE")});
    parser.addOption({kOutputOption, QStringLiteral("The picture to write."), QStringLiteral("MESH")});
    const std::string usage(kMeshCommandUsage);
    if (!parser.parse(arguments)) {
        return Refused(parser.errorText().toStdString() + "\n" + usage, cli::kUsageStatus);
    }
    const QString output = parser.value(kOutputOption);
    const std::optional<MeshFileFormat> format = MeshFileFormatOf(output);
    if (!parser.positionalArguments().isEmpty() || parser.values(kMeshOption).size() != 1 ||
        parser.values(kOutputOption).size() != 1 || !format) {
        return Refused(usage, cli::kUsageStatus);
    }

    // No window and no display: the picture is drawn on the offscreen platform unless one is named.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const QGuiApplication application(argc, argv);

    const auto loaded = cli::LoadPairFile(parser.value(kMeshOption).toStdString());
    if (const auto* fault = std::get_if<std::string>(&loaded)) {
        return Refused(*fault, cli::kUsageStatus);
    }
    const cli::LoadedPair& file = std::get<cli::LoadedPair>(loaded);
    if (file.notice) {
        std::cerr << "korvanta: " << *file.notice << '\n';
    }
    auto solved = SolvePairFile(file.pair);
    if (const auto* fault = std::get_if<std::string>(&solved)) {
        return Refused(*fault, cli::kUsageStatus);
    }
    PairSolution& solution = std::get<PairSolution>(solved);
    if (!solution.measurements) {
        solution.measurements = Remeasure(solution, solution.choices);
    }
    MeshPage page;
    page.picture = MeshOf(solution, 0.0);
    page.view = ContactZoneView(page.picture);
    page.header = MeshHeaderLines(file.pair.job, page.picture.kind, page.picture.unit,
                                  QDate::currentDate().toString(Qt::ISODate).toStdString());
    if (const std::optional<QString> reason = WriteMeshFile(output, *format, page)) {
        return Refused(UnwritablePictureFile(output.toStdString(), reason->toStdString()),
                       cli::kInputOutputStatus);
    }
    return 0;
}

} // namespace korvanta
