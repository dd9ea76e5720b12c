#include "core/short_copy.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>

namespace {

using korvanta::AssignShort;
using korvanta::CopyShort;

// Every length from none to beyond the two-word moves: the copy is the text, nothing past it is
// written, and every character of it passes `look`.
TEST(ShortCopy, CopiesEveryLengthAndShowsEveryCharacter) {
    for (std::size_t size = 0; size <= 40; ++size) {
        std::string in(size, ' ');
        std::iota(in.begin(), in.end(), 'A');
        for (std::size_t marked = 0; marked < size; ++marked) {
            std::string text = in;
            text[marked] = '\x7F';
            std::string out(size + 8, '#');
            bool seen = false;
            const auto look = [&seen](auto word) {
                for (std::size_t byte = 0; byte < sizeof(word); ++byte) {
                    seen |= ((word >> (8 * byte)) & 0xFF) == 0x7F;
                }
            };
            const char* end = CopyShort(text.data(), size, out.data(), look);
            EXPECT_EQ(end, out.data() + size);
            EXPECT_EQ(out.substr(0, size), text) << size;
            EXPECT_EQ(out.substr(size), std::string(8, '#')) << size;
            EXPECT_TRUE(seen) << "size " << size << ", character " << marked;
        }
    }
}

TEST(ShortCopy, AssignsShorterAndLongerTexts) {
    std::string to = "a longer text than the next one";
    for (const std::string from : {"", "1.25", "-0.00010", "20.00000\xC2\xB0", "twenty-four characters!!"}) {
        AssignShort(to, from);
        EXPECT_EQ(to, from);
    }
}

} // namespace
