#pragma once

#include <string>

#include "cli/pair_run.h"

namespace korvanta::cli {

// The readable form of a result: the window's title, column headings and rows as aligned columns
// (only the rows filled so far after a fault), the inspection measurements when they were wanted, then
// the warnings and the angle sentences.
std::string ResultTable(const PairRunResult& result);

} // namespace korvanta::cli
