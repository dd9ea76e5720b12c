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
    std::optional<std::string> batch; // the file of pairs ("-": standard input)
    PairInputs inputs;
};

struct UsageError {
    std::string message;
};

// The arguments after the program name. A field value must consist of characters the field's keys
// accept, and its number must fit a Single. --module, in place of --dp, makes the pair metric: its
// lengths are millimetres; --dp and --module together are an error. --batch goes with --json and --measure
// only; --pin1,
// --pin2, --span1 and --span2 need --measure.
std::variant<CommandLine, UsageError> ParseCommandLine(std::span<const std::string_view> arguments);

} // namespace korvanta::cli
