#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "cli/pair_run.h"

namespace korvanta::cli {

struct CommandLine {
    bool help = false;
    bool version = false;
    bool json = false;
    bool csv = false;
    std::optional<std::string> batch;     // the file of pairs ("-": standard input)
    std::optional<std::string> pairFile;  // the pair file to calculate
    std::optional<std::string> writePair; // the pair file to write of the pair the options give
    PairInputs inputs;
};

struct UsageError {
    std::string message;
};

// The arguments after the program name. A field value must consist of characters the field's keys
// accept, and its number must fit a Single. --module, in place of --dp, makes the pair metric: its
// lengths are millimetres; --dp and --module together are an error. --batch and --pair go with --json
// (--pair also --csv) and --measure only; --pin1, --pin2, --span1 and --span2 need --measure, but for
// --write-pair, which writes them into the file.
std::variant<CommandLine, UsageError> ParseCommandLine(std::span<const std::string_view> arguments);

} // namespace korvanta::cli
