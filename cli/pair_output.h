#pragma once

#include <string>

#include "cli/pair_run.h"

namespace korvanta::cli {

// How the results of one pair are printed: the table, one JSON object, or the batch CSV of the one
// pair (its header and its line 1, with the units cells).
enum class OutputFormat { Table, Json, Csv };

// What standard output gets for the run: a rejected pair prints no table.
std::string ResultText(const PairRunResult& result, OutputFormat format, bool measure);

} // namespace korvanta::cli
