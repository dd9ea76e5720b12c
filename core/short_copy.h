#pragma once

#include <cstdint>
#include <cstring>
#include <string>

namespace korvanta {

// Copies `size` characters from `in` to `out` and returns the end of the copy. The texts of a table's
// cells are mostly 4 to 16 characters: such a text is copied by two overlapping moves of a fixed size,
// which need no call to the library's copy and no branch on every length. Each word moved is shown to
// `look` in its own width (64 or 32 bits, or a single byte for the other lengths), so that a caller
// may look at the characters while they pass. Always inlined: a call would cost as much as the copy.
template <class Look>
[[gnu::always_inline]] inline char* CopyShort(const char* in, std::size_t size, char* out, Look look) {
    const auto moveTwice = [size, in, out, &look](auto word) {
        constexpr std::size_t kWord = sizeof(word);
        std::memcpy(&word, in, kWord);
        std::memcpy(out, &word, kWord);
        look(word);
        std::memcpy(&word, in + size - kWord, kWord);
        std::memcpy(out + size - kWord, &word, kWord);
        look(word);
    };
    if (size >= sizeof(std::uint64_t) && size <= 2 * sizeof(std::uint64_t)) {
        moveTwice(std::uint64_t{});
    } else if (size >= sizeof(std::uint32_t) && size < sizeof(std::uint64_t)) {
        moveTwice(std::uint32_t{});
    } else {
        for (std::size_t i = 0; i < size; ++i) {
            out[i] = in[i];
            look(static_cast<std::uint8_t>(in[i]));
        }
    }
    return out + size;
}

[[gnu::always_inline]] inline char* CopyShort(const char* in, std::size_t size, char* out) {
    return CopyShort(in, size, out, [](auto) {});
}

// `to` = `from` for short texts, without the library's call for every copy (see CopyShort).
[[gnu::always_inline]] inline void AssignShort(std::string& to, const std::string& from) {
    to.resize(from.size());
    CopyShort(from.data(), from.size(), to.data());
}

} // namespace korvanta
