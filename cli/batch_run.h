#pragma once

#include <cstdio>
#include <streambuf>
#include <string>
#include <variant>

namespace korvanta::cli {

struct BatchOptions {
    bool json = false;
};

// An error of the whole file (no header row, an unknown column): nothing was calculated.
struct BatchFileError {
    std::string message;
};

// Reads the CSV pairs one row at a time and writes one result per row, in input order, to `output`
// as soon as it is known; each bad row's message also goes to `errors`. Every row is calculated as
// in a freshly started program. Returns the exit status: 0 when every row produced a table, 1 when
// any row was rejected, faulted, invalid or malformed.
std::variant<int, BatchFileError> RunBatch(std::streambuf& input, std::FILE* output, std::FILE* errors,
                                           const BatchOptions& options);

} // namespace korvanta::cli
