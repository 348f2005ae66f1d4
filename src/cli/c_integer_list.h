#pragma once

// Reading a font table out of C source: the integer constants of its first brace-enclosed
// list, with any inner braces flattened, as in "const unsigned char font[256][5] = { ... };".
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fontedit::cli {

struct IntegerConstant {
    std::uint64_t value;
    int line;  // 1-based, for messages
};

// Constants may be decimal, hexadecimal ("0x"), octal (leading "0") or binary ("0b"), with
// integer suffixes; comments are skipped. Fails with InputError naming `fileName` and the
// line on anything else inside the list, or when there is no complete list.
std::vector<IntegerConstant> firstIntegerList(std::string_view source, const std::string& fileName);

}  // namespace fontedit::cli
