#pragma once

// One text in both languages, as a template over the facts of a failure: "{line}" stands for
// the line, and so on for the names in kFactNames.
#include <algorithm>
#include <array>
#include <string_view>

namespace fontedit::messages {

inline constexpr std::array<std::string_view, 20> kFactNames = {
    "file",    // the file as the language names it: Phrase::FileInFolder or FileAlone
    "path",    // the file's whole path
    "folder",  // the folder the file lies in
    "name",    // the file's name without its folder
    "line",     "code", "column",
    "value",     // the offending text, escaped
    "place",     // the cell or label at fault: Phrase::Cell or Label
    "reason",    // the system's reason in Phrase::Reason, or nothing when there is none
    "error",     // the system's reason alone
    "quoted",    // the value, escaped, in quotation marks and with those in it marked
    "names",     // the glyphs' names, each as "quoted"
    "glyphs",    // the names in Phrase::LosingGlyphs, or nothing when there are none
    "crop",      // the options of the cut that loses fewest dots
    "dots",      // the dots that cut loses
    "readings",  // each reading of the value's "; " list on a line of its own
    "formats",   // every format the import reads, from the registry of formats
    "needed",    // what a format takes, such as its largest cell
    "takers",    // the formats that would take what was refused
};

// Whether every "{...}" in `text` names a fact.
constexpr bool namesOnlyFacts(std::string_view text) {
    for (std::size_t open = text.find('{'); open != std::string_view::npos;
         open = text.find('{', open + 1)) {
        const std::size_t close = text.find('}', open);
        if (close == std::string_view::npos) return false;
        if (std::ranges::find(kFactNames, text.substr(open + 1, close - open - 1)) ==
            kFactNames.end()) {
            return false;
        }
    }
    return true;
}

struct Wording {
    // A row with an empty text or an unknown fact does not compile.
    consteval Wording(const char* japaneseText, const char* englishText)
        : japanese(japaneseText), english(englishText) {
        for (const std::string_view text :
             {std::string_view(japanese), std::string_view(english)}) {
            if (text.empty() || !namesOnlyFacts(text)) throw "a wording is empty or names no fact";
        }
    }

    // The window's text when it speaks Japanese.
    const char* japanese;
    // The CLI's text, and the window's in any other language.
    const char* english;
};

}  // namespace fontedit::messages
