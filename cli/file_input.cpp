#include "cli/file_input.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace korvanta::cli {

std::variant<int, std::string> OpenToRead(const std::string& path) {
    const int descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        return std::generic_category().message(errno);
    }
    struct stat file {};
    if (fstat(descriptor, &file) == 0 && S_ISDIR(file.st_mode)) {
        close(descriptor);
        return std::string("it is a folder");
    }
    return descriptor;
}

FileInput::int_type FileInput::underflow() {
    if (readError_) {
        return traits_type::eof();
    }
    ssize_t count = 0;
    do {
        count = read(descriptor_, block_.data(), block_.size());
    } while (count < 0 && errno == EINTR);
    if (count < 0) {
        readError_ = std::error_code(errno, std::generic_category());
        return traits_type::eof();
    }
    setg(block_.data(), block_.data(), block_.data() + count);
    return count == 0 ? traits_type::eof() : traits_type::to_int_type(block_[0]);
}

} // namespace korvanta::cli
