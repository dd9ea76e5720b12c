#pragma once

#include <optional>
#include <string>
#include <variant>

#include "cli/pair_run.h"
#include "logic/pair_file.h"

namespace korvanta::cli {

// A pair file read from its path: the pair (with the notice of a newer minor version, if any), or the
// message that names the file and what is wrong.
struct LoadedPair {
    PairFile pair;
    std::optional<std::string> notice;
};
std::variant<LoadedPair, std::string> LoadPairFile(const std::string& path);

// Writes the file whole or not at all: into a new file beside it, then renamed over it. The reason
// when it could not be written.
std::optional<std::string> SavePairFile(const std::string& path, const std::string& text);

// The inputs of the file's pair, as the windows type them; the reason when a measurement entry
// cannot be a tool.
std::variant<PairInputs, std::string> InputsOfPairFile(const PairFile& pair, bool measure);

// The file of the pair the inputs give: the given texts, an empty entry for one not given.
PairFile PairFileOf(const PairInputs& inputs);

} // namespace korvanta::cli
