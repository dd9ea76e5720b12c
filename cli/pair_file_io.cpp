#include "cli/pair_file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <system_error>

#include "cli/measurement_inputs.h"
#include "core/number_text.h"

namespace korvanta::cli {

namespace {

std::string SystemReason(int error) {
    return std::generic_category().message(error);
}

} // namespace

std::variant<LoadedPair, std::string> LoadPairFile(const std::string& path) {
    const int descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        return UnreadablePairFile(path, SystemReason(errno));
    }
    struct stat file {};
    if (fstat(descriptor, &file) == 0 && S_ISDIR(file.st_mode)) {
        close(descriptor);
        return UnreadablePairFile(path, "it is a folder");
    }
    // One byte more than a pair file may hold tells a file that is too large.
    std::string bytes(kPairFileLimit + 1, '\0');
    std::size_t length = 0;
    while (length < bytes.size()) {
        const ssize_t got = read(descriptor, bytes.data() + length, bytes.size() - length);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            const int error = errno;
            close(descriptor);
            return UnreadablePairFile(path, SystemReason(error));
        }
        if (got == 0) {
            break;
        }
        length += static_cast<std::size_t>(got);
    }
    close(descriptor);
    bytes.resize(length);
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
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t put = write(descriptor, text.data() + written, text.size() - written);
        if (put < 0 && errno == EINTR) {
            continue;
        }
        if (put < 0) {
            const int error = errno;
            close(descriptor);
            unlink(temporary.c_str());
            return SystemReason(error);
        }
        written += static_cast<std::size_t>(put);
    }
    if (fsync(descriptor) != 0 || close(descriptor) != 0) {
        const int error = errno;
        unlink(temporary.c_str());
        return SystemReason(error);
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        unlink(temporary.c_str());
        return SystemReason(error);
    }
    return std::nullopt;
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
