#include "messages/cell_notes.h"

#include "formats/c/c_text.h"
#include "messages/catalogue.h"

namespace fontedit::messages {
namespace {

std::optional<std::string> wordedCells(Note note, const formats::EmptyCells& cells,
                                       const Language& language) {
    if (cells.count == 0) return std::nullopt;
    return filled(language(wordingOf(note)),
                  {.code = cells.count, .value = formats::codeList(cells.codes)}, language);
}

}  // namespace

std::optional<std::string> emptyCellsNote(const formats::EmptyCells& cells,
                                          const Language& language) {
    return wordedCells(Note::EmptyCells, cells, language);
}

std::optional<std::string> headerEmptyCellsNote(const formats::EmptyCells& cells,
                                                const Language& language) {
    return wordedCells(Note::HeaderEmptyCells, cells, language);
}

}  // namespace fontedit::messages
