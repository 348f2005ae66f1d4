#pragma once

// The characters a --chars list names: "0x20-0x7E,0xB0,U+3040-U+309F,@chars.txt". Each item
// is a code, decimal, 0x hex or U+ hex; two codes joined by "-", every character between;
// or "@" and a file, every character of its UTF-8 text but its line ends.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "state/bitmap_font.h"

namespace fontedit::state {

// The file's bytes; the caller reads it, and fails as its reading does.
using ReadListFile = std::function<std::string(const std::string& path)>;

// Sorted, each character once. Fails with NotACharacter naming the item, or the file and the
// byte, and with CodesRunBackwards naming a range whose end comes before its start.
std::vector<char32_t> parseCharacterList(std::string_view list, const ReadListFile& readFile);

// One character as a user names it: the character itself ("A", "あ"), or its code as a list
// item writes it ("U+3042", "0x3042", "12354"). Fails with NotACharacter.
char32_t parseCharacter(std::string_view text);

// The font with only the glyphs of `characters`, which is sorted.
BitmapFont withCharacters(BitmapFont font, const std::vector<char32_t>& characters);

}  // namespace fontedit::state
