#pragma once

// The checks of the two Read targets: the reader of "fntdat.txt" and "mojidat.txt" alone, and
// the Read action that stores what it gives into an editor.
#include <string>

#include "formats/own/font_files.h"
#include "state/font_data.h"

namespace fontedit::fuzz {

// What Read would give, or the failure it would end with.
struct Parsed {
    state::FontData data;
    int failure = 0;
};

// The reader fails only by a file ending early or by bytes that are not CP932.
Parsed parse(const std::string& fontBytes, const std::string& labelBytes);

// Loaded texts encode again unless a cell would move the ones after it, and those the format
// carries come back the same from a second round.
void checkWrittenAgain(const state::FontData& data);

// Read into an editor whose tables are all filled: it fails exactly as the reader does and
// then leaves the tables alone, or stores codes 0-95 and nothing else and shows the glyph.
void checkRead(const formats::FontFiles& bytes, const Parsed& expected);

}  // namespace fontedit::fuzz
