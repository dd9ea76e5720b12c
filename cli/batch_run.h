#pragma once

#include <string>
#include <variant>

#include "cli/file_input.h"
#include "cli/output_channel.h"

namespace korvanta::cli {

struct BatchOptions {
    bool json = false;
    bool measure = false; // the inspection measurements of every pair
};

// Why the batch ended before its input did: an error of the whole file (no header row, an unknown
// column: nothing was calculated, usage status), or a failed read or write (input/output status).
struct BatchFileError {
    std::string message;
    int status = 0;
};

// Reads the CSV pairs one row at a time and writes one result per row, in input order, to `output`;
// each bad row's message also goes to `errors`. A row's result is sent on before the input is waited
// for, so that a pipe shows every row as soon as it is done, while a file is written in large blocks.
// Every row is calculated as in a freshly started program. Returns the exit status: 0 when every row
// produced a table, 1 when any row was rejected, faulted, invalid or malformed. A failed read ends the
// batch after the rows read before it have been written; a failed write ends it at once.
std::variant<int, BatchFileError> RunBatch(FileInput& input, OutputChannel& output, OutputChannel& errors,
                                           const BatchOptions& options);

} // namespace korvanta::cli
