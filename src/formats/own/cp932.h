#pragma once

// Every file the editor reads or writes is CP932; the program itself works in UTF-8.
#include <string>
#include <string_view>

#include "state/failure.h"

namespace fontedit::formats {

// Fails with NotRepresentable when CP932 has no code for a character, so that nothing is ever
// written as "?"; `where` names the text's place (its code and column) and gets the text.
std::string toCp932(std::string_view utf8, state::Facts where = {});

// Fails with InvalidCp932 on bytes that are not CP932; `where` names the file and line and
// gets the bytes.
std::string fromCp932(std::string_view bytes, state::Facts where = {});

}  // namespace fontedit::formats
