#include <unistd.h>

#include <string>
#include <string_view>
#include <vector>

#include "cli/batch_run.h"
#include "cli/command_name.h"
#include "cli/exit_status.h"
#include "cli/json_writer.h"
#include "cli/options.h"
#include "cli/pair_file_io.h"
#include "cli/pair_output.h"
#include "cli/table_writer.h"
#include "cli/usage.h"
#include "cli/visible_text.h"
#include "core/version.h"
#include "logic/unit_texts.h"

using namespace korvanta::cli;

namespace {

struct Streams {
    OutputChannel out{STDOUT_FILENO, OutputChannel::kBlockSize};
    OutputChannel err{STDERR_FILENO, 0};
};

// Standard output could not take the results: said on standard error, if that still can.
int OutputFailure(Streams& streams) {
    streams.err.Write(std::string(kCommandName) +
                      ": cannot write the results: " + streams.out.WriteError()->message() + "\n");
    return kInputOutputStatus;
}

OutputFormat FormatOf(const CommandLine& line) {
    return line.json ? OutputFormat::Json : line.csv ? OutputFormat::Csv : OutputFormat::Table;
}

int RunInputs(const CommandLine& line, const PairInputs& inputs, Streams& streams) {
    const PairRunResult result = RunPair(inputs);
    streams.out.Write(ResultText(result, FormatOf(line), inputs.measure));
    if (!streams.out.Flush()) {
        return OutputFailure(streams);
    }
    bool reported = true;
    if (result.status == RunStatus::Rejected) {
        reported = streams.err.Write(result.rejection->text + "\n");
    } else if (result.status == RunStatus::Fault) {
        reported = streams.err.Write(result.table.fault->message.text + "\n");
    }
    return reported ? static_cast<int>(result.status) : kInputOutputStatus;
}

int FileError(Streams& streams, const std::string& message, int status) {
    return streams.err.Write(std::string(kCommandName) + ": " + message + "\n") ? status : kInputOutputStatus;
}

int Run(const CommandLine& line, Streams& streams) {
    return RunInputs(line, line.inputs, streams);
}

// A pair file that cannot be read, or holds no pair, is a usage error like a bad option.
int RunPairFile(const CommandLine& line, Streams& streams) {
    auto loaded = LoadPairFile(*line.pairFile);
    if (const auto* error = std::get_if<std::string>(&loaded)) {
        return FileError(streams, *error, kUsageStatus);
    }
    const LoadedPair& file = std::get<LoadedPair>(loaded);
    if (file.notice && !streams.err.Write(std::string(kCommandName) + ": " + *file.notice + "\n")) {
        return kInputOutputStatus;
    }
    auto inputs = InputsOfPairFile(file.pair, line.inputs.measure);
    if (const auto* error = std::get_if<std::string>(&inputs)) {
        return FileError(streams, korvanta::UnreadablePairFile(*line.pairFile, *error), kUsageStatus);
    }
    return RunInputs(line, std::get<PairInputs>(inputs), streams);
}

int WritePair(const CommandLine& line, Streams& streams) {
    const std::string& path = *line.writePair;
    if (auto reason = SavePairFile(path, korvanta::PairFileText(PairFileOf(line.inputs)))) {
        return FileError(streams, korvanta::UnwritablePairFile(path, *reason), kInputOutputStatus);
    }
    return 0;
}

int RunBatchFrom(int descriptor, const std::string& name, const CommandLine& line, Streams& streams) {
    FileInput input(descriptor, name);
    const auto outcome =
        RunBatch(input, streams.out, streams.err, BatchOptions{line.json, line.inputs.measure});
    if (const auto* error = std::get_if<BatchFileError>(&outcome)) {
        return FileError(streams, error->message, error->status);
    }
    return std::get<int>(outcome);
}

int Batch(const CommandLine& line, Streams& streams) {
    const std::string& path = *line.batch;
    if (path == "-") {
        return RunBatchFrom(STDIN_FILENO, "standard input", line, streams);
    }
    const auto opened = OpenToRead(path);
    if (const auto* reason = std::get_if<std::string>(&opened)) {
        return FileError(streams, "cannot read '" + VisibleText(path) + "': " + *reason, kUsageStatus);
    }
    const int descriptor = std::get<int>(opened);
    const int status = RunBatchFrom(descriptor, path, line, streams);
    close(descriptor);
    return status;
}

int Main(const std::vector<std::string_view>& arguments, Streams& streams) {
    const auto parsed = ParseCommandLine(arguments);
    if (const auto* error = std::get_if<UsageError>(&parsed)) {
        return FileError(streams, error->message + "\n\n" + std::string(UsageText()), kUsageStatus);
    }
    const CommandLine& line = std::get<CommandLine>(parsed);
    if (line.help) {
        streams.out.Write(UsageText());
        return 0;
    }
    if (line.version) {
        streams.out.Write(std::string(kCommandName) + " " + std::string(korvanta::kVersion) + "\n");
        return 0;
    }
    if (line.batch) {
        return Batch(line, streams);
    }
    if (line.pairFile) {
        return RunPairFile(line, streams);
    }
    return line.writePair ? WritePair(line, streams) : Run(line, streams);
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    Streams streams;
    const int status = Main(arguments, streams);
    // Nothing is claimed done before standard output has taken all of it. A status of 4 has been
    // reported already.
    if (!streams.out.Flush() && status != kInputOutputStatus) {
        return OutputFailure(streams);
    }
    return status;
}
