#pragma once

#include <array>
#include <optional>
#include <streambuf>
#include <string>
#include <system_error>
#include <variant>

namespace korvanta::cli {

// Reads an open file descriptor in blocks. A failed read ends the text as its end would, and is kept
// with the system's reason, so that the reader can tell a lost rest from the end of the file. Nothing
// is read ahead: characters still in the block are available without waiting (in_avail), an empty
// block means the next character may have to be waited for.
// Opens a file to be read: its descriptor, or why it cannot be read ("it is a folder", or the system's
// reason).
std::variant<int, std::string> OpenToRead(const std::string& path);

class FileInput : public std::streambuf {
public:
    static constexpr std::size_t kBlockSize = 65536;

    // `name` is how messages name the file; the descriptor stays the caller's.
    FileInput(int descriptor, std::string name) : descriptor_(descriptor), name_(std::move(name)) {}

    const std::string& Name() const { return name_; }
    const std::optional<std::error_code>& ReadError() const { return readError_; }

protected:
    int_type underflow() override;

private:
    int descriptor_;
    std::string name_;
    std::optional<std::error_code> readError_;
    std::array<char, kBlockSize> block_{};
};

} // namespace korvanta::cli
