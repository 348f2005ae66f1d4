#pragma once

// UTF-8, the program's own encoding, read and written a character at a time.
#include <cstddef>
#include <string>
#include <string_view>

namespace fontedit::state {

// The sequence at the start of some bytes.
struct Utf8Sequence {
    // What its bits spell, also for an overlong form, a surrogate or a value past U+10FFFF,
    // which some readers take as they come; 0 when the bytes form no sequence.
    char32_t codePoint = 0;
    // Its bytes; 1 when they form none: a continuation byte or F8-FF first, or a lead byte
    // without all its continuation bytes.
    std::size_t length = 1;
    bool formed = false;  // a lead byte with its continuation bytes
    bool valid = false;   // formed, in its shortest form, and a Unicode scalar value
};

// `bytes` must not be empty.
Utf8Sequence utf8Sequence(std::string_view bytes);

// The shortest form of a code point up to U+10FFFF; a surrogate is written as any other.
std::string utf8Bytes(char32_t codePoint);

}  // namespace fontedit::state
