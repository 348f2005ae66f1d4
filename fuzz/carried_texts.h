#pragma once

// Save writes every text as it stands, so Read gives back only some of them. A text must have
// an exact CP932 form ("〜" is written as the code of "～" and comes back as that); a cell
// loses a leading blank; a cell holding a comma or line end, or opening with a quotation
// mark, splits or joins fields so that every cell after it moves; a label holding a line end
// moves every label after it.
#include <string>

namespace fontedit::fuzz {

bool survivesCp932(const std::string& text);
bool hasLineEnd(const std::string& text);
bool movesLaterCells(const std::string& cell);
bool startsWithBlank(const std::string& text);

}  // namespace fontedit::fuzz
