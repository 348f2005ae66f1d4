#pragma once

// Every file the editor reads or writes is CP932; the program itself works in UTF-8.
#include <string>
#include <string_view>

namespace fontedit::files {

// Fails with NotRepresentable, naming `what` (the text's place, e.g. "コード 12 のラベル"),
// when CP932 has no code for a character, so that nothing is ever written as "?".
std::string toCp932(std::string_view utf8, const std::string& what);

// Fails with InvalidCp932, naming `fileName`, on bytes that are not CP932.
std::string fromCp932(std::string_view bytes, const std::string& fileName);

}  // namespace fontedit::files
