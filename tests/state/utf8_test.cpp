#include "state/utf8.h"

#include <gtest/gtest.h>

namespace fontedit::state {
namespace {

struct Sequence {
    std::string_view bytes;
    char32_t codePoint;
    std::size_t length;
    bool formed;
    bool valid;
};

// The bounds of each length, the forms some readers take though they are not UTF-8, and the
// bytes that form no sequence at all; only the first sequence of the bytes is read.
TEST(Utf8Sequence, ReadsTheFirstSequenceAndTellsItsForm) {
    const Sequence cases[] = {
        {"A\xC3\xA9", 0x41, 1, true, true},
        {"\x7F", 0x7F, 1, true, true},
        {"\xC2\x80", 0x80, 2, true, true},
        {"\xDF\xBFz", 0x7FF, 2, true, true},
        {"\xE0\xA0\x80", 0x800, 3, true, true},
        {"\xE2\x82\xAC", 0x20AC, 3, true, true},
        {"\xEF\xBF\xBF", 0xFFFF, 3, true, true},
        {"\xF0\x90\x80\x80", 0x10000, 4, true, true},
        {"\xF0\x9F\x98\x80", 0x1F600, 4, true, true},
        {"\xF4\x8F\xBF\xBF", 0x10FFFF, 4, true, true},
        {"\xC0\xAF", 0x2F, 2, true, false},
        {"\xC1\xBF", 0x7F, 2, true, false},
        {"\xE0\x9F\xBF", 0x7FF, 3, true, false},
        {"\xF0\x8F\xBF\xBF", 0xFFFF, 4, true, false},
        {"\xED\xA0\x80", 0xD800, 3, true, false},
        {"\xED\xBF\xBF", 0xDFFF, 3, true, false},
        {"\xF4\x90\x80\x80", 0x110000, 4, true, false},
        {"\xF7\xBF\xBF\xBF", 0x1FFFFF, 4, true, false},
        {"\x80", 0, 1, false, false},
        {"\xBF\xBF", 0, 1, false, false},
        {"\xE2\x82", 0, 1, false, false},
        {"\xF0\x9F\x98", 0, 1, false, false},
        {"\xC3", 0, 1, false, false},
        {"\xC3\x1B", 0, 1, false, false},
        {"\xE2\x82\xC3\xA9", 0, 1, false, false},
        {"\xF8\x88\x80\x80\x80", 0, 1, false, false},
        {"\xFF\xBF\xBF\xBF", 0, 1, false, false},
    };
    for (const Sequence& c : cases) {
        const Utf8Sequence read = utf8Sequence(c.bytes);
        const std::string name = testing::PrintToString(std::string(c.bytes));
        EXPECT_EQ(read.codePoint, c.codePoint) << name;
        EXPECT_EQ(read.length, c.length) << name;
        EXPECT_EQ(read.formed, c.formed) << name;
        EXPECT_EQ(read.valid, c.valid) << name;
        if (c.valid) {
            EXPECT_EQ(utf8Bytes(c.codePoint), c.bytes.substr(0, c.length)) << name;
        }
    }
}

}  // namespace
}  // namespace fontedit::state
