#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/batch_run.h"
#include "cli/json_writer.h"
#include "cli/options.h"
#include "cli/table_writer.h"
#include "cli/usage.h"
#include "core/version.h"

using namespace korvanta::cli;

namespace {

constexpr int kUsageStatus = 2;

void Print(std::FILE* stream, const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stream);
}

int Run(const CommandLine& line) {
    const PairRunResult result = RunPair(line.inputs);
    if (line.json) {
        Print(stdout, ResultJson(result));
    } else if (result.status != RunStatus::Rejected) {
        Print(stdout, ResultTable(result));
    }
    if (result.status == RunStatus::Rejected) {
        Print(stderr, result.rejection->text + "\n");
    } else if (result.status == RunStatus::Fault) {
        Print(stderr, result.table.fault->message.text + "\n");
    }
    return static_cast<int>(result.status);
}

int FileError(const std::string& message) {
    Print(stderr, "korvanta-calc: " + message + "\n");
    return kUsageStatus;
}

int RunBatchFrom(std::streambuf& input, const CommandLine& line) {
    const auto outcome = RunBatch(input, stdout, stderr, BatchOptions{line.json});
    if (const auto* error = std::get_if<BatchFileError>(&outcome)) {
        return FileError(error->message);
    }
    return std::get<int>(outcome);
}

int Batch(const CommandLine& line) {
    const std::string& path = *line.batch;
    if (path == "-") {
        std::ios::sync_with_stdio(false);
        return RunBatchFrom(*std::cin.rdbuf(), line);
    }
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        return FileError("cannot read '" + path + "': it is a folder");
    }
    std::filebuf file;
    if (file.open(path, std::ios::in | std::ios::binary) == nullptr) {
        return FileError("cannot read '" + path + "'");
    }
    return RunBatchFrom(file, line);
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const auto parsed = ParseCommandLine(arguments);
    if (const auto* error = std::get_if<UsageError>(&parsed)) {
        Print(stderr, "korvanta-calc: " + error->message + "\n\n" + std::string(UsageText()));
        return kUsageStatus;
    }
    const CommandLine& line = std::get<CommandLine>(parsed);
    if (line.help) {
        Print(stdout, std::string(UsageText()));
        return 0;
    }
    if (line.version) {
        Print(stdout, "korvanta-calc " + std::string(korvanta::kVersion) + "\n");
        return 0;
    }
    return line.batch ? Batch(line) : Run(line);
}
