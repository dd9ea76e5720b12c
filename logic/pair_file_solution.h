#pragma once

#include <string>
#include <variant>

#include "core/pair_solution.h"
#include "logic/pair_file.h"

namespace korvanta {

// The pair of a file calculated as the windows calculate it when the file is opened and Calculate is
// pressed: the entries typed into a fresh input form, Calculate's checks, then one solution measured
// with the file's tools. The message of Calculate's check or of the fault in its place.
std::variant<PairSolution, std::string> SolvePairFile(const PairFile& pair);

} // namespace korvanta
