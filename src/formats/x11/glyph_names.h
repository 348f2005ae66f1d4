#pragma once

// The characters that X11 fonts' glyph names stand for: Adobe's names and X11's keysym names,
// as a font of a character set of its own names its glyphs.
#include <optional>
#include <string_view>

namespace fontedit::formats {

// The character `name` names: a listed name, "uniXXXX" or "uXXXX" to "uXXXXXX", each perhaps
// with a ".suffix" for a variant, or a printable ASCII character standing for itself. Listed are
// only the names of characters a label can hold; none for any other name, such as "dec_hbar1" or
// "c7".
std::optional<char32_t> glyphNameCharacter(std::string_view name);

}  // namespace fontedit::formats
