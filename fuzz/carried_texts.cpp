#include "carried_texts.h"

#include <algorithm>

#include "formats/own/cp932.h"
#include "state/failure.h"

namespace fontedit::fuzz {

bool survivesCp932(const std::string& text) {
    // Plain ASCII always does; skipping iconv for it keeps the fuzzers fast.
    if (std::all_of(text.begin(), text.end(), [](char ch) { return ch >= 0; })) return true;
    try {
        return formats::fromCp932(formats::toCp932(text)) == text;
    } catch (const state::Failure&) {
        return false;
    }
}

bool startsWithBlank(const std::string& text) {
    return !text.empty() && text[0] == ' ';
}

}  // namespace fontedit::fuzz
