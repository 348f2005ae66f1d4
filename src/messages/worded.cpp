#include "messages/worded.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <optional>

#include "formats/import_formats.h"
#include "messages/catalogue.h"
#include "state/joined.h"

namespace fontedit::messages {
namespace {

std::string phrase(Phrase which, const state::Facts& facts, const Language& language) {
    return filled(language(wordingOf(which)), facts, language);
}

// In quotation marks, with those inside marked as C marks them, so that a glyph called '"'
// reads "\"".
std::string inQuotes(std::string_view value) {
    std::string text = "\"";
    for (const char c : state::shortenedValue(value)) {
        if (c == '"') text += '\\';
        text += c;
    }
    return text + '"';
}

std::optional<std::string> fact(std::string_view name, const state::Facts& facts,
                                const Language& language) {
    const std::filesystem::path path(facts.file);
    if (name == "file") {
        return phrase(path.has_parent_path() ? Phrase::FileInFolder : Phrase::FileAlone, facts,
                      language);
    }
    if (name == "path") return state::escapedBytes(path.lexically_normal().string());
    if (name == "folder") return state::escapedBytes(path.parent_path().string());
    if (name == "name") return state::escapedBytes(path.filename().string());
    if (name == "line") return std::to_string(facts.line);
    if (name == "code") return std::to_string(facts.code.value_or(0));
    if (name == "column") return std::to_string(facts.column.value_or(0));
    if (name == "value") return state::shortenedValue(facts.value);
    // In quotation marks, with those inside marked as C marks them, so that a glyph called '"'
    // reads "\"".
    if (name == "quoted") return inQuotes(facts.value);
    if (name == "names") {
        std::string list;
        for (const std::string& each : facts.names)
            list += (list.empty() ? "" : ", ") + inQuotes(each);
        return list;
    }
    if (name == "glyphs") {
        return facts.names.empty() ? std::string() : phrase(Phrase::LosingGlyphs, facts, language);
    }
    if (name == "crop") {
        if (!facts.baseline) return std::string("--crop");
        return "--baseline " + std::to_string(*facts.baseline) + (facts.dots > 0 ? " --crop" : "");
    }
    if (name == "dots") return std::to_string(facts.dots);
    // Each reading whole on a line of its own: cut short, an option would be misread.
    if (name == "readings") {
        std::string lines;
        for (std::string_view rest = facts.value; !rest.empty();) {
            const std::size_t end = std::min(rest.find("; "), rest.size());
            lines += "\n    " + state::escapedBytes(rest.substr(0, end));
            rest.remove_prefix(std::min(end + 2, rest.size()));
        }
        return lines;
    }
    if (name == "place")
        return phrase(facts.column ? Phrase::Cell : Phrase::Label, facts, language);
    if (name == "reason") {
        return facts.error == 0 ? std::string() : phrase(Phrase::Reason, facts, language);
    }
    if (name == "error") return std::strerror(facts.error);
    if (name == "formats") {
        return state::joined(formats::importTitles(), language(Wording("、", ", ")),
                             language(Wording("、", " or ")));
    }
    if (name == "needed") return state::escapedBytes(facts.needed);
    if (name == "takers") return state::escapedBytes(facts.takers);
    return std::nullopt;
}

}  // namespace

std::string english(const Wording& wording) {
    return wording.english;
}

std::string japanese(const Wording& wording) {
    return wording.japanese;
}

std::string worded(const state::Failure& failure, const Language& language) {
    return filled(language(wordingOf(failure.cause())), failure.facts(), language);
}

std::string englishLocation(const state::Facts& facts) {
    if (facts.file.empty()) return {};
    return filled(facts.line > 0 ? "{path}:{line}: " : "{path}: ", facts, english);
}

std::string englishMessage(const state::Failure& failure) {
    const std::string_view sentence = wordingOf(failure.cause()).english;
    const bool namesItsFile = sentence.find("{file}") != std::string_view::npos;
    return (namesItsFile ? std::string() : englishLocation(failure.facts())) +
           worded(failure, english);
}

std::string filled(std::string_view text, const state::Facts& facts, const Language& language) {
    std::string result;
    std::size_t done = 0;
    for (std::size_t open = text.find('{'); open != std::string_view::npos;
         open = text.find('{', open + 1)) {
        const std::size_t close = text.find('}', open);
        if (close == std::string_view::npos) break;
        const std::optional<std::string> value =
            fact(text.substr(open + 1, close - open - 1), facts, language);
        if (!value) continue;
        result.append(text.substr(done, open - done));
        result += *value;
        done = close + 1;
        open = close;
    }
    result.append(text.substr(done));
    return result;
}

}  // namespace fontedit::messages
