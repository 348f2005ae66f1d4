#pragma once

// Save writes every text it accepts as it stands, so Read gives back only some of them. A text
// must have an exact CP932 form ("〜" is written as the code of "～" and comes back as that),
// and a cell loses a leading blank. Texts that would move the ones after them Save refuses.
#include <string>

namespace fontedit::fuzz {

bool survivesCp932(const std::string& text);
bool startsWithBlank(const std::string& text);

}  // namespace fontedit::fuzz
