#include "cli/pair_file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <system_error>

#include "cli/file_input.h"
#include "cli/measurement_inputs.h"
#include "cli/output_channel.h"
#include "core/number_text.h"

namespace korvanta::cli {

namespace {

std::string SystemReason(int error) {
    return std::generic_category().message(error);
}

} // namespace

std::variant<LoadedPair, std::string> LoadPairFile(const std::string& path) {
    const auto opened = OpenToRead(path);
    if (const auto* reason = std::get_if<std::string>(&opened)) {
        return UnreadablePairFile(path, *reason);
    }
    const int descriptor = std::get<int>(opened);
    FileInput input(descriptor, path);
    // One byte more than a pair file may hold tells a file that is too large.
    std::string bytes(kPairFileLimit + 1, '\0');
    bytes.resize(
        static_cast<std::size_t>(input.sgetn(bytes.data(), static_cast<std::streamsize>(bytes.size()))));
    close(descriptor);
    if (input.ReadError()) {
        return UnreadablePairFile(path, input.ReadError()->message());
    }
    PairFileReading reading = ReadPairFile(path, bytes);
    if (!reading.pair) {
        return reading.error;
    }
    return LoadedPair{std::move(*reading.pair), std::move(reading.notice)};
}

std::optional<std::string> SavePairFile(const std::string& path, const std::string& text) {
    struct stat existing {};
    if (stat(path.c_str(), &existing) == 0 && S_ISDIR(existing.st_mode)) {
        return "a folder of that name is in the way";
    }
    const std::string temporary = path + ".saving";
    const int descriptor = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (descriptor < 0) {
        return SystemReason(errno);
    }
    OutputChannel output(descriptor, 0);
    std::optional<std::string> failure;
    if (!output.Write(text)) {
        failure = output.WriteError()->message();
    } else if (fsync(descriptor) != 0) {
        failure = SystemReason(errno);
    }
    if (close(descriptor) != 0 && !failure) {
        failure = SystemReason(errno);
    }
    if (!failure && std::rename(temporary.c_str(), path.c_str()) != 0) {
        failure = SystemReason(errno);
    }
    if (failure) {
        unlink(temporary.c_str());
    }
    return failure;
}

std::variant<PairInputs, std::string> InputsOfPairFile(const PairFile& pair, bool measure) {
    PairInputs inputs;
    inputs.type = pair.kind;
    inputs.unit = pair.unit;
    inputs.fields = TypedEntries(pair);
    inputs.measure = measure;
    for (const MeasurementInput& input : kMeasurementInputs) {
        const std::string& text =
            input.tool == MeasuringTool::Pin ? pair.pinDiameter[input.member] : pair.spanTeeth[input.member];
        if (text.empty()) {
            continue;
        }
        if (auto error =
                ApplyMeasurementInput(input, "measurement." + std::string(input.name), text, inputs)) {
            return *error;
        }
    }
    return inputs;
}

PairFile PairFileOf(const PairInputs& inputs) {
    PairFile pair;
    pair.kind = inputs.type;
    pair.unit = inputs.unit;
    for (std::size_t field = 0; field < inputs.fields.size(); ++field) {
        pair.entries[field] = inputs.fields[field].value_or("");
    }
    StoreChoices(pair, inputs.measurementChoices);
    return pair;
}

} // namespace korvanta::cli
