#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace korvanta::cli {

// Writes to an open file descriptor, collecting texts into blocks of `blockSize` bytes (0: each text is
// written at once). Every write is checked: the first failure is kept with the system's reason, and
// from then on nothing more is written and every call returns false.
class OutputChannel {
public:
    static constexpr std::size_t kBlockSize = 65536;

    OutputChannel(int descriptor, std::size_t blockSize) : descriptor_(descriptor), blockSize_(blockSize) {}

    bool Write(std::string_view text);
    // Writes what is collected; false when this or an earlier write failed.
    bool Flush();

    const std::optional<std::error_code>& WriteError() const { return writeError_; }

private:
    bool WriteAll(std::string_view text);

    int descriptor_;
    std::size_t blockSize_;
    std::string pending_;
    std::optional<std::error_code> writeError_;
};

} // namespace korvanta::cli
