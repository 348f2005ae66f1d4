#pragma once

// What check and the export of font.h say of the cells that hold nothing but blanks, in the
// words of the catalogue; nothing when there are none.
#include <optional>
#include <string>

#include "formats/own/header_export.h"
#include "messages/worded.h"

namespace fontedit::messages {

std::optional<std::string> emptyCellsNote(const formats::EmptyCells& cells,
                                          const Language& language);
std::optional<std::string> headerEmptyCellsNote(const formats::EmptyCells& cells,
                                                const Language& language);

}  // namespace fontedit::messages
