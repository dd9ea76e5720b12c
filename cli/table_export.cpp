#include "cli/table_export.h"

#include <algorithm>
#include <cctype>
#include <variant>

#include "cli/pair_file_io.h"
#include "cli/pair_run.h"

namespace korvanta::cli {

OutputFormat SavedTableFormat(std::string_view fileName) {
    constexpr std::string_view json = ".json";
    if (fileName.size() < json.size()) {
        return OutputFormat::Csv;
    }
    const std::string_view ending = fileName.substr(fileName.size() - json.size());
    const bool isJson = std::equal(ending.begin(), ending.end(), json.begin(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == b;
    });
    return isJson ? OutputFormat::Json : OutputFormat::Csv;
}

SavedTable SavedTableOf(const PairFile& pair, OutputFormat format, bool measure) {
    auto inputs = InputsOfPairFile(pair, measure);
    if (auto* error = std::get_if<std::string>(&inputs)) {
        return {{}, std::move(*error)};
    }
    return {ResultText(RunPair(std::get<PairInputs>(inputs)), format, measure), std::nullopt};
}

std::string UnwritableTableFile(std::string_view fileName, std::string_view reason) {
    return "The table could not be saved to \"" + std::string(fileName) + "\": " + std::string(reason) +
           ". The file was left as it was.";
}

} // namespace korvanta::cli
