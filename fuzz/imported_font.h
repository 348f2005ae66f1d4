#pragma once

// What holds for every font an import accepts, and for every failure it ends with, whatever
// the format.
#include <initializer_list>
#include <span>

#include "formats/font_import.h"
#include "state/failure.h"

namespace fontedit::fuzz {

// A failure of an import is one of the causes its reader may end with, given as lists, or the
// size cap all imports share.
void checkImportFailure(const state::Failure& failure,
                        std::initializer_list<std::span<const state::Cause>> causes);

// 96 glyphs of byte cells as the editor writes them, and labels the font files hold: Save
// writes them and Read gives them back the same.
void checkImportedFont(const formats::ImportedFont& font);

}  // namespace fontedit::fuzz
