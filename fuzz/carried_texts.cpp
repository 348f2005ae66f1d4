#include "carried_texts.h"

#include <algorithm>

#include "files/cp932.h"
#include "state/failure.h"

namespace fontedit::fuzz {

bool survivesCp932(const std::string& text) {
    // Plain ASCII always does; skipping iconv for it keeps the fuzzers fast.
    if (std::all_of(text.begin(), text.end(), [](char ch) { return ch >= 0; })) return true;
    try {
        return files::fromCp932(files::toCp932(text, "text"), "text") == text;
    } catch (const state::Failure&) {
        return false;
    }
}

bool hasLineEnd(const std::string& text) {
    return text.find_first_of("\r\n") != std::string::npos;
}

bool movesLaterCells(const std::string& cell) {
    const std::size_t first = cell.find_first_not_of(' ');
    return hasLineEnd(cell) || cell.find(',') != std::string::npos ||
           (first != std::string::npos && cell[first] == '"');
}

bool startsWithBlank(const std::string& text) {
    return !text.empty() && text[0] == ' ';
}

}  // namespace fontedit::fuzz
