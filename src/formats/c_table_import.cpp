#include <algorithm>
#include <string>

#include "formats/c_constants.h"
#include "formats/c_tokens.h"
#include "formats/font_import.h"
#include "formats/imported_glyphs.h"
#include "state/failure.h"

namespace fontedit::formats {
namespace {

using state::Cause;
using state::Failure;

constexpr std::size_t kColumns = state::kGlyphColumns;
constexpr std::size_t kFontValues = state::kSavedCodes * kColumns;
// In a file of many arrays, a list of unknown shape is taken for a font only when it holds
// whole glyphs, at least this many: fewer is more likely a display's command bytes.
constexpr std::size_t kFewestGuessedGlyphs = 32;
// A table this large is indexed by character code rather than starting at the space.
constexpr std::size_t kCodeIndexedGlyphs = 128;
constexpr int kSpace = 0x20;
// Far deeper than any constant is written, shallow enough for the stack.
constexpr int kDeepestParentheses = 64;

// An array given a brace-enclosed list, or such a list on its own in a file with no arrays.
struct Candidate {
    std::string_view name{};
    int line = 0;
    std::optional<std::uint64_t> width{};  // the last dimension of a 2-D array, when a number
    std::size_t open = 0;                  // the index of the list's "{"
};

struct Value {
    std::uint64_t number;
    int line;
    std::string_view text;
};

// How many values a list holds, with the rows of a 2-D array filled out to its width as C
// does, and those a font would take; or the first thing in it that is not a byte constant.
// Only the font's values are kept, so that a list of millions takes no more memory than one
// of a few.
struct List {
    std::uint64_t count = 0;
    std::uint8_t font[kFontValues] = {};  // the values from the offset on
    std::optional<Failure> problem;
    std::optional<Value> rowExcess;  // the first value past the width in the current row
};

class TableReader {
public:
    TableReader(std::string_view source, const ImportOptions& options)
        : tokens_(cTokens(source)), options_(options) {}

    ImportedFont read() {
        std::vector<Candidate> candidates = arrays();
        if (candidates.empty()) candidates = bareLists();
        if (candidates.empty()) throw Failure(Cause::NoArray, {});
        if (options_.array) return named(candidates);
        return guessed(candidates);
    }

private:
    const CTokens& tokens() const { return tokens_; }
    bool isAt(std::size_t at, char punctuator) const {
        return at < tokens().size() && tokens()[at].is(punctuator);
    }

    ImportedFont named(const std::vector<Candidate>& candidates) {
        const auto found =
            std::find_if(candidates.begin(), candidates.end(),
                         [&](const Candidate& c) { return c.name == *options_.array; });
        if (found == candidates.end()) {
            throw Failure(Cause::ArrayNotFound, {.value = *options_.array});
        }
        refuseOtherWidth(*found);
        return taken(*found, list(found->open, found->width), false);
    }

    ImportedFont guessed(const std::vector<Candidate>& candidates) {
        const Candidate* otherWidth = nullptr;
        for (const Candidate& candidate : candidates) {
            if (candidate.width && *candidate.width != kColumns) {
                if (!otherWidth) otherWidth = &candidate;
                continue;
            }
            List values = list(candidate.open, candidate.width);
            const bool conditional =
                values.problem && values.problem->cause() == Cause::ConditionalInList;
            if (candidate.width || conditional) return taken(candidate, std::move(values), true);
            if (!values.problem && holdsGlyphs(values.count, candidates.size() > 1)) {
                return taken(candidate, std::move(values), true);
            }
        }
        if (otherWidth) refuseOtherWidth(*otherWidth);
        throw Failure(Cause::NoFontArray, {});
    }

    bool holdsGlyphs(std::uint64_t count, bool amongOthers) const {
        const std::size_t offset = options_.offset.value_or(0);
        if (count <= offset) return false;
        const std::uint64_t taken = count - offset;
        return taken % kColumns == 0 && (!amongOthers || taken / kColumns >= kFewestGuessedGlyphs);
    }

    static void refuseOtherWidth(const Candidate& candidate) {
        if (candidate.width && *candidate.width != kColumns) {
            throw Failure(Cause::ArrayWidth,
                          {.line = candidate.line, .value = std::to_string(*candidate.width)});
        }
    }

    ImportedFont taken(const Candidate& candidate, const List& list, bool guessed) const {
        if (list.problem) throw *list.problem;
        const std::uint64_t count = list.count;
        const std::size_t offset = options_.offset.value_or(0);
        if (offset >= count) {
            throw Failure(Cause::OffsetPastEnd,
                          {.line = candidate.line, .value = std::to_string(count)});
        }
        const std::uint64_t available = count - offset;
        if (available < kFontValues && available % kColumns != 0) {
            throw Failure(Cause::PartialGlyph,
                          {.line = candidate.line, .value = std::to_string(available)});
        }
        ImportedFont font;
        const int glyphs =
            static_cast<int>(std::min<std::uint64_t>(available / kColumns, state::kSavedCodes));
        std::uint8_t columns[kColumns] = {};
        for (int code = 0; code < state::kSavedCodes; ++code) {
            for (std::size_t column = 0; column < kColumns; ++column) {
                columns[column] = code < glyphs ? list.font[code * kColumns + column] : 0;
            }
            setGlyph(font.data, code, columns);
        }
        const std::optional<long long> first =
            options_.first ? std::optional<long long>(*options_.first) : firstCode(count, offset);
        if (first) labelFrom(*first, font.data);
        if (guessed) {
            font.notes.push_back({.kind = ImportNote::Kind::ArrayTaken,
                                  .name = std::string(candidate.name),
                                  .line = candidate.line});
        }
        if (glyphs < state::kSavedCodes) {
            font.notes.push_back(
                {.kind = ImportNote::Kind::GlyphsFilled, .count = state::kSavedCodes - glyphs});
        }
        return font;
    }

    // The character glyph 0 draws: a table of the whole character set is read at its offset;
    // a smaller one starts at the space. Read between glyphs, it draws nothing that is known.
    static std::optional<long long> firstCode(std::uint64_t count, std::size_t offset) {
        if (count / kColumns < kCodeIndexedGlyphs) return kSpace;
        if (offset % kColumns != 0) return std::nullopt;
        return static_cast<long long>(offset / kColumns);
    }

    // Every "name[...]... = {" in the file, in order.
    std::vector<Candidate> arrays() const {
        std::vector<Candidate> found;
        for (std::size_t at = 0; at + 1 < tokens().size();) {
            Candidate candidate;
            if (const std::optional<std::size_t> open = arrayAt(at, candidate)) {
                candidate.open = *open;
                at = listEnd(*open);
                found.push_back(candidate);
            } else {
                ++at;
            }
        }
        return found;
    }

    // The "{" of an array's list when an array's declarator starts at `at`.
    std::optional<std::size_t> arrayAt(std::size_t at, Candidate& candidate) const {
        const CToken name = tokens()[at];
        if (name.kind != CToken::Kind::Identifier || !isAt(at + 1, '[')) return std::nullopt;
        candidate.name = name.text;
        candidate.line = tokens().line(at);
        int dimensions = 0;
        std::size_t next = at + 1;
        for (; isAt(next, '['); ++dimensions) {
            if (isAt(next + 1, ']') || isAt(next + 2, ']')) {
                const bool empty = isAt(next + 1, ']');
                candidate.width = dimensionValue(empty ? "" : tokens()[next + 1].text);
                next += empty ? 2 : 3;
            } else {
                // A dimension written as an expression: its value is not known here.
                candidate.width.reset();
                next = tokens().after(next);
            }
        }
        if (dimensions < 2) candidate.width.reset();
        next = skipAttributes(next);
        if (!isAt(next, '=') || !isAt(next + 1, '{')) return std::nullopt;
        return next + 1;
    }

    std::optional<std::uint64_t> dimensionValue(std::string_view text) const {
        const auto macro = tokens_.numberMacros.find(text);
        return integerConstant(macro == tokens_.numberMacros.end() ? text : macro->second);
    }

    // Words such as PROGMEM and "__attribute__((aligned(4)))" between a declarator and "=".
    std::size_t skipAttributes(std::size_t at) const {
        while (at < tokens().size() && tokens()[at].kind == CToken::Kind::Identifier) {
            ++at;
            if (isAt(at, '(')) at = tokens().after(at);
        }
        return at;
    }

    std::size_t listEnd(std::size_t open) const {
        if (!tokens().closed(open)) {
            throw Failure(Cause::ListNotClosed, {.line = tokens().line(open), .value = "{"});
        }
        return tokens().after(open);
    }

    // The brace-enclosed lists outside any other braces, for a file holding a bare list.
    std::vector<Candidate> bareLists() const {
        std::vector<Candidate> found;
        for (std::size_t at = 0; at < tokens().size();) {
            if (tokens()[at].is('{')) {
                found.push_back({.line = tokens().line(at), .open = at});
                at = listEnd(at);
            } else {
                ++at;
            }
        }
        return found;
    }

    List list(std::size_t open, std::optional<std::uint64_t> width) const {
        List result;
        const std::size_t end = listEnd(open);
        int depth = 0;
        std::uint64_t rowStart = 0;
        for (std::size_t at = open; at < end && !result.problem;) {
            const CToken token = tokens()[at];
            if (token.is('{')) {
                ++depth;
                if (depth == 2) rowStart = result.count, result.rowExcess.reset();
                ++at;
            } else if (token.is('}')) {
                if (depth == 2 && width) endRow(result, rowStart, *width);
                --depth;
                ++at;
            } else if (token.is(',')) {
                ++at;
            } else if (token.kind == CToken::Kind::Conditional) {
                result.problem.emplace(
                    Cause::ConditionalInList,
                    state::Facts{.line = tokens().line(at), .value = std::string(token.text)});
            } else {
                const bool rowFull = depth >= 2 && width && result.count - rowStart == *width;
                at = element(at, result, rowFull);
            }
        }
        return result;
    }

    // C fills a row given fewer values than the array is wide with zeros.
    static void endRow(List& list, std::uint64_t rowStart, std::uint64_t width) {
        if (list.rowExcess) {
            list.problem.emplace(Cause::RowTooLong,
                                 state::Facts{.line = list.rowExcess->line,
                                              .value = std::string(list.rowExcess->text)});
            return;
        }
        list.count = rowStart + width;
    }

    // Values before the offset wrap round to large indices and are only counted.
    void add(List& list, std::uint8_t value) const {
        const std::uint64_t index = list.count++ - options_.offset.value_or(0);
        if (index < kFontValues) list.font[index] = value;
    }

    // One value up to the next "," or "}"; a problem when it is anything but a byte constant.
    // The first value past a full row is remembered for the row's end.
    std::size_t element(std::size_t at, List& list, bool rowFull) const {
        const std::size_t start = at;
        const std::optional<std::uint64_t> value = constant(at);
        const int line = tokens().line(start);
        if (!value || !(isAt(at, ',') || isAt(at, '}'))) {
            list.problem.emplace(Cause::NotAConstant,
                                 state::Facts{.line = line, .value = elementText(start)});
            return at;
        }
        const std::string_view text = textBetween(start, at);
        if (*value > 0xFF) {
            list.problem.emplace(Cause::NotAByte,
                                 state::Facts{.line = line, .value = std::string(text)});
        }
        if (rowFull && !list.rowExcess) list.rowExcess = Value{*value, line, text};
        add(list, static_cast<std::uint8_t>(*value));
        return at;
    }

    // A constant, a parenthesised constant, or a cast such as "(uint8_t)0x3E" before one.
    std::optional<std::uint64_t> constant(std::size_t& at, int depth = 0) const {
        if (at >= tokens().size()) return std::nullopt;
        const CToken token = tokens()[at];
        if (token.is('(')) {
            if (depth == kDeepestParentheses) {
                throw Failure(Cause::NestingTooDeep, {.line = tokens().line(at), .value = "("});
            }
            std::size_t close = at + 1;
            while (close < tokens().size() &&
                   (tokens()[close].kind == CToken::Kind::Identifier || tokens()[close].is('*'))) {
                ++close;
            }
            if (close > at + 1 && isAt(close, ')') && !isAt(close + 1, ',') &&
                !isAt(close + 1, '}')) {
                at = close + 1;
                return constant(at, depth + 1);
            }
            ++at;
            const std::optional<std::uint64_t> inner = constant(at, depth + 1);
            if (!inner || !isAt(at, ')')) return std::nullopt;
            ++at;
            return inner;
        }
        ++at;
        switch (token.kind) {
            case CToken::Kind::Number:
                return integerConstant(token.text);
            case CToken::Kind::Character:
                return characterConstant(token.text);
            case CToken::Kind::Identifier:
                if (const auto macro = tokens_.numberMacros.find(token.text);
                    macro != tokens_.numberMacros.end()) {
                    return integerConstant(macro->second);
                }
                return arduinoBinary(token.text);
            default:
                return std::nullopt;
        }
    }

    std::string_view textBetween(std::size_t first, std::size_t end) const {
        const char* from = tokens()[first].text.data();
        const CToken last = tokens()[end - 1];
        return std::string_view(from, last.text.data() + last.text.size() - from);
    }

    // The source of a refused element as the user wrote it, up to its "," or the line's end.
    std::string elementText(std::size_t start) const {
        constexpr std::size_t kLongest = 60;
        std::size_t end = start + 1;
        while (end < tokens().size() && !tokens()[end].is(',') && !tokens()[end].is('}') &&
               tokens()[end].kind != CToken::Kind::Conditional &&
               tokens().line(end) == tokens().line(start)) {
            ++end;
        }
        return std::string(textBetween(start, end).substr(0, kLongest));
    }

    CTokens tokens_;
    const ImportOptions& options_;
};

}  // namespace

ImportedFont importCTable(std::string_view source, const ImportOptions& options) {
    if (source.size() > kMostImportBytes) throw Failure(Cause::FileTooLarge, {});
    return TableReader(source, options).read();
}

}  // namespace fontedit::formats
