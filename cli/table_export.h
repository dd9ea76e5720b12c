#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "cli/pair_output.h"
#include "logic/pair_file.h"

namespace korvanta::cli {

// A table saved from a window is JSON when its name ends in ".json" (in any case), else the CSV.
OutputFormat SavedTableFormat(std::string_view fileName);

// What a saved table holds: exactly what `korvanta-calc --pair FILE [--measure] --csv|--json` prints
// for the pair, or the reason it cannot be run (a measurement entry that is no tool).
struct SavedTable {
    std::string bytes;
    std::optional<std::string> error;
};
SavedTable SavedTableOf(const PairFile& pair, OutputFormat format, bool measure);

// Why the table could not be written to the file; the file is left as it was.
std::string UnwritableTableFile(std::string_view fileName, std::string_view reason);

} // namespace korvanta::cli
