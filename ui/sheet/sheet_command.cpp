#include "ui/sheet/sheet_command.h"

#include <cstdio>
#include <string>
#include <variant>

#include "cli/exit_status.h"
#include "cli/pair_file_io.h"
#include "logic/pair_document.h"
#include "logic/pair_file_solution.h"
#include "logic/sheet_of_pair.h"
#include "ui/sheet/sheet_date.h"
#include "ui/sheet/sheet_document.h"

namespace korvanta {

namespace {

void Say(const std::string& message) {
    std::fprintf(stderr, "korvanta: %s\n", message.c_str());
}

} // namespace

int WriteSheetOfPairFile(const QString& pairFile, const QString& output, const QPageSize& paper) {
    const std::string path = pairFile.toStdString();
    auto loaded = cli::LoadPairFile(path);
    if (const auto* error = std::get_if<std::string>(&loaded)) {
        Say(*error);
        return cli::kUsageStatus;
    }
    const cli::LoadedPair& pair = std::get<cli::LoadedPair>(loaded);
    if (pair.notice) {
        Say(*pair.notice);
    }
    const auto solved = SolvePairFile(pair.pair);
    if (const auto* error = std::get_if<std::string>(&solved)) {
        Say(path + ": " + *error);
        return cli::kUsageStatus;
    }
    const PairFile& file = pair.pair;
    const SheetHeader header =
        SheetHeaderOf(file.job, file.unit, file.kind, SheetDate(), ShownFileName(path));
    const InspectionSheet sheet =
        SheetOfPair(std::get<PairSolution>(solved), ChoicesOf(file), file.sheet, header, false);
    if (const std::optional<QString> failure = WriteSheetPdf(output, sheet, ChartScale{}, paper)) {
        Say("The sheet could not be written to \"" + output.toStdString() + "\": " + failure->toStdString() +
            ".");
        return cli::kInputOutputStatus;
    }
    return 0;
}

} // namespace korvanta
