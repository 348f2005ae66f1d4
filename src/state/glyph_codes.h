#pragma once

// Glyph codes as the user writes them outside the code field, in `fontedit-cli show` and in the
// codes an export takes, on the command line and in the Export dialog alike. Numbers are
// decimal, or hexadecimal after "0x"; never octal, never signed, so that "010" is ten and "-1"
// no number.
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace fontedit::state {

std::optional<std::size_t> parseCount(std::string_view text);

// A glyph code 0-95; anything else fails with NotAGlyphCode.
int parseGlyphCode(std::string_view text);

// "0-7" or "33,65-70": glyph codes 0-95 and runs of them, in the order given, none twice.
// Fails with NotAGlyphCode, CodesRunBackwards or CodeGivenTwice on the part at fault.
std::vector<int> parseCodeList(std::string_view text);

}  // namespace fontedit::state
