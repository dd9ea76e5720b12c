#include "cli/output_channel.h"

#include <unistd.h>

#include <cerrno>

namespace korvanta::cli {

bool OutputChannel::Write(std::string_view text) {
    if (writeError_) {
        return false;
    }
    if (pending_.size() + text.size() > blockSize_) {
        if (!Flush()) {
            return false;
        }
        if (text.size() >= blockSize_) {
            return WriteAll(text);
        }
    }
    pending_ += text;
    return true;
}

bool OutputChannel::Flush() {
    if (writeError_) {
        return false;
    }
    const bool written = WriteAll(pending_);
    pending_.clear();
    return written;
}

bool OutputChannel::WriteAll(std::string_view text) {
    while (!text.empty()) {
        const ssize_t count = write(descriptor_, text.data(), text.size());
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            // A write of nothing would be repeated for ever; the device takes no more.
            writeError_ = std::error_code(count < 0 ? errno : ENOSPC, std::generic_category());
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(count));
    }
    return true;
}

} // namespace korvanta::cli
