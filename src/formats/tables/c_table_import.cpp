#include <algorithm>
#include <string>

#include "formats/c/c_constants.h"
#include "formats/c/c_tokens.h"
#include "formats/font_import.h"
#include "formats/libraries/glcdfont.h"
#include "formats/libraries/hd44780.h"
#include "formats/libraries/max72xx.h"
#include "formats/own/header_export.h"
#include "formats/tables/c_source_export.h"
#include "formats/tables/glyph_table.h"
#include "state/failure.h"

namespace fontedit::formats {
namespace {

using state::Cause;
using state::Failure;

constexpr std::size_t kColumns = state::kGlyphColumns;
// In a file of many arrays, a list of unknown shape is taken for a font only when it holds
// whole glyphs, at least this many: fewer is more likely a display's command bytes.
constexpr std::size_t kFewestGuessedGlyphs = 32;
// A designator further out than this names no glyph of any font.
constexpr std::uint64_t kFarthestIndex = 1 << 20;
// C fills out rows and the gaps designators leave with zeros; a list filled out past the size
// of any file this imports is refused rather than held.
constexpr std::size_t kMostValues = kMostImportBytes;
// Zeros are held only where a value follows them, and a designator may leave no more of them
// than this many for each byte of its list up to it, so that no list of a few bytes makes
// millions of zeros: as many as the widest row a byte of "{}," may end.
constexpr std::size_t kZerosPerByte = kLongestStride;

// An array given a brace-enclosed list, or such a list on its own in a file with no arrays.
struct Candidate {
    std::string_view name{};
    int line = 0;
    std::optional<std::uint64_t> width{};   // the last dimension of a 2-D array, when a number
    std::optional<std::uint64_t> length{};  // the first dimension, when a number
    std::size_t open = 0;                   // the index of the list's "{"
};

// The values of a list, with the rows of a 2-D array filled out to its width as C does, or
// the first thing in it that is not a byte constant. A byte per value up to the last written,
// so that a list of millions takes no more memory than its source; the zeros of rows filled
// out after it are counted in `length`.
struct List {
    std::vector<std::uint8_t> bytes;
    std::size_t length = 0;
    std::optional<Failure> problem;

    std::size_t filled() const { return std::max(bytes.size(), length); }
};

// The tokens of one value, first to past its last, found again for a failure.
struct Span {
    std::size_t first = 0;
    std::size_t end = 0;
};

// A row of a 2-D array: where it starts and, when the array's width is known, the value C
// leaves at that width, which a row too long is refused with.
struct Row {
    std::size_t start = 0;
    std::optional<std::uint64_t> width{};
    std::optional<Span> excess{};

    // The value written at the width, or the first written past it while the list was shorter:
    // C fills the gap up to it with zeros.
    void written(std::size_t at, std::size_t filled, Span value) {
        if (!width || at - start < *width) return;
        if (at - start == *width || filled <= start + *width) excess = value;
    }
};

class TableReader {
public:
    TableReader(std::string_view source, const ImportOptions& options)
        : tokens_(cTokens(source)),
          options_(options),
          declared_(declaredShape(source)),
          glcdFirst_(glcdFirst(source)),
          listedGlyphs_(listedGlyphs(source)) {}

    ImportedFont read() {
        std::vector<Candidate> candidates = arrays();
        if (candidates.empty()) candidates = bareLists();
        if (candidates.empty()) throw Failure(Cause::NoArray, {});
        // The custom characters' export lists its glyphs: fewer arrays are a file cut short.
        if (listedGlyphs_ && *listedGlyphs_ != candidates.size()) {
            throw Failure(Cause::GlyphsMissing, {.line = candidates.back().line,
                                                 .value = std::to_string(*listedGlyphs_)});
        }
        if (options_.array) return named(candidates);
        if (std::optional<ImportedFont> font = customCharacters(candidates)) return *font;
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
        return taken(*found, list(*found), false);
    }

    // The shape the editor's own exports state in their opening lines.
    static std::optional<TableShape> declaredShape(std::string_view source) {
        if (source.starts_with(kHeaderOpening)) return TableShape{};
        using state::GlyphLayout;
        for (const CSourceOptions& written :
             {CSourceOptions{.layout = GlyphLayout::Columns}, CSourceOptions{.msbTop = true},
              CSourceOptions{.layout = GlyphLayout::Rows},
              CSourceOptions{.layout = GlyphLayout::Rows, .msbLeft = true}}) {
            if (source.find(layoutComment(written)) == std::string_view::npos) continue;
            const bool rows = written.layout == GlyphLayout::Rows;
            return TableShape{.layout = written.layout,
                              .msbFirst = written.msbTop || written.msbLeft,
                              .stride = rows ? std::size_t{state::kGlyphRows} : kColumns};
        }
        return std::nullopt;
    }

    // How many glyphs the custom characters' export lists in its opening comment: "0-7, 33".
    static std::optional<std::size_t> listedGlyphs(std::string_view source) {
        if (!source.starts_with(kHd44780Opening)) return std::nullopt;
        const std::size_t end = source.find(kHd44780Listed);
        if (end == std::string_view::npos) return std::nullopt;
        std::string_view list = source.substr(kHd44780Opening.size(), end - kHd44780Opening.size());
        std::size_t count = 0;
        while (!list.empty()) {
            const std::string_view item = list.substr(0, list.find(", "));
            list.remove_prefix(std::min(list.size(), item.size() + 2));
            const std::size_t dash = item.find('-');
            const std::optional<std::uint64_t> first = integerConstant(item.substr(0, dash));
            const std::optional<std::uint64_t> last =
                dash == std::string_view::npos ? first : integerConstant(item.substr(dash + 1));
            if (!first || !last || *last < *first || *last >= state::kSavedCodes) {
                return std::nullopt;
            }
            count += static_cast<std::size_t>(*last - *first + 1);
        }
        return count;
    }

    // The character of glyph 0 that the glcdfont export states.
    static std::optional<std::size_t> glcdFirst(std::string_view source) {
        const std::size_t at = source.find(kGlcdPlacement);
        if (at == std::string_view::npos) return std::nullopt;
        const std::string_view digits = source.substr(at + kGlcdPlacement.size(), 3);
        const std::optional<std::uint64_t> first =
            integerConstant(digits.substr(0, digits.find_first_not_of("0123456789")));
        if (!first || *first > kLastGlcdFirst) return std::nullopt;
        return static_cast<std::size_t>(*first);
    }

    // A character LCD's custom characters: arrays of one glyph's 8 dot rows each, bit 4 the
    // left dot, taken in their order.
    std::optional<ImportedFont> customCharacters(const std::vector<Candidate>& candidates) const {
        if (candidates.size() < 2) return std::nullopt;
        GlyphTable table{.line = candidates.front().line,
                         .declared = TableShape{.layout = state::GlyphLayout::Rows,
                                                .stride = state::kGlyphRows}};
        for (const Candidate& candidate : candidates) {
            if (candidate.width ||
                candidate.length.value_or(state::kGlyphRows) != state::kGlyphRows) {
                return std::nullopt;
            }
            List values = list(candidate);
            if (values.problem || values.bytes.size() != state::kGlyphRows) return std::nullopt;
            table.bytes.insert(table.bytes.end(), values.bytes.begin(), values.bytes.end());
        }
        if (table.bytes.size() > state::kSavedCodes * state::kGlyphRows) return std::nullopt;
        for (const Candidate& candidate : candidates) tokens_.requireDecided(candidate.open);
        return importGlyphTable(table, options_);
    }

    // The first array declared 5 columns wide; else the first that holds enough whole glyphs
    // of another width; else the first list of enough whole glyphs.
    ImportedFont guessed(const std::vector<Candidate>& candidates) {
        const Candidate* otherWidth = nullptr;
        for (const Candidate& candidate : candidates) {
            List values = list(candidate);
            const bool conditional =
                values.problem && values.problem->cause() == Cause::ConditionalInList;
            if (candidate.width == kColumns || conditional ||
                (!values.problem && isMax72xxTable(values.bytes))) {
                return taken(candidate, std::move(values), true);
            }
            if (values.problem) {
                if (candidate.width && !otherWidth) otherWidth = &candidate;
                continue;
            }
            // Judged by size alone: filling out each array's declared length would take time
            // growing with the count of arrays times that length.
            const std::size_t size = filledSize(candidate, values.filled());
            const std::size_t offset = options_.offset.value_or(0);
            if (candidate.width) {
                const bool whole = *candidate.width != 0 && size > offset &&
                                   (size - offset) / *candidate.width >= kFewestGuessedGlyphs;
                if (whole) return taken(candidate, std::move(values), true);
                if (!otherWidth) otherWidth = &candidate;
            } else if (holdsGlyphs(size, offset,
                                   candidates.size() > 1 ? kFewestGuessedGlyphs : 1)) {
                return taken(candidate, std::move(values), true);
            }
        }
        // The refusal an array of another width meets when named.
        if (otherWidth) return taken(*otherWidth, list(*otherWidth), true);
        throw Failure(Cause::NoFontArray, {});
    }

    // C fills an array declared longer than its list with zeros; a table indexed by character
    // code may leave its first codes to that.
    static std::size_t filledSize(const Candidate& candidate, std::size_t listed) {
        const std::uint64_t declared = candidate.length.value_or(0) * candidate.width.value_or(1);
        return declared > listed && declared <= kFarthestIndex ? declared : listed;
    }

    ImportedFont taken(const Candidate& candidate, List list, bool guessed) const {
        tokens_.requireDecided(candidate.open);
        if (list.problem) throw *list.problem;
        const std::size_t size = filledSize(candidate, list.filled());
        // Another library's table is only a guess: a shape the user named, or the one the
        // editor's own export states, wins over it.
        const bool shapeNamed = options_.layout || options_.stride || options_.msbFirst;
        std::optional<ImportedFont> font;
        if (!shapeNamed && !declared_) {
            font = importMax72xxTable(list.bytes, candidate.line, options_);
        }
        if (!font) font = glyphTableFont(candidate, std::move(list), size);
        // Taken as either kind of table, an array the user did not name is named to them.
        if (guessed) {
            font->notes.insert(font->notes.begin(), {.kind = ImportNote::Kind::ArrayTaken,
                                                     .name = std::string(candidate.name),
                                                     .line = candidate.line});
        }
        return *font;
    }

    ImportedFont glyphTableFont(const Candidate& candidate, List list, std::size_t size) const {
        ImportOptions options = options_;
        if (glcdFirst_ && size == kGlcdCharacters * kColumns && !options.offset) {
            options.offset = *glcdFirst_ * kColumns;
            options.first = options.first.value_or(static_cast<int>(*glcdFirst_));
        }
        GlyphTable table{
            .bytes = std::move(list.bytes), .line = candidate.line, .width = candidate.width};
        table.zeros = size - table.bytes.size();
        if (declared_ && (!candidate.width || *candidate.width == declared_->stride)) {
            table.declared = declared_;
        }
        return importGlyphTable(table, options);
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
                if (dimensions == 0) candidate.length = candidate.width;
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

    List list(const Candidate& candidate) const {
        List result;
        const std::size_t end = listEnd(candidate.open);
        // Judged by its width before any row is filled out: no stride reads glyphs this wide.
        if (candidate.width && *candidate.width > kLongestStride) {
            result.problem.emplace(
                Cause::ArrayWidth,
                state::Facts{.line = candidate.line, .value = std::to_string(*candidate.width)});
            return result;
        }
        const char* const source = tokens()[candidate.open].text.data();
        result.bytes.reserve((end - candidate.open) / 2 + 1);
        int depth = 0;
        Row row;
        std::size_t cursor = 0;  // where the next value goes
        for (std::size_t at = candidate.open; at < end && !result.problem;) {
            const CToken token = tokens()[at];
            if (token.is('{')) {
                if (++depth == 2) row = {.start = cursor, .width = candidate.width};
                ++at;
            } else if (token.is('}')) {
                if (depth == 2 && row.width) endRow(result, row, cursor, at);
                --depth;
                ++at;
            } else if (token.is(',')) {
                ++at;
            } else if (token.is('[') && depth <= 2) {
                at = designator(at, depth == 1 ? 0 : row.start, depth == 1 ? candidate.width : 1,
                                cursor, result, source);
            } else if (token.kind == CToken::Kind::Conditional) {
                result.problem.emplace(
                    Cause::ConditionalInList,
                    state::Facts{.line = tokens().line(at), .value = std::string(token.text)});
            } else {
                at = element(at, result, cursor, depth >= 2 ? &row : nullptr);
            }
        }
        return result;
    }

    // "[0x41] =": the next value, or row of `unit` values, goes to that index.
    std::size_t designator(std::size_t at, std::size_t base, std::optional<std::uint64_t> unit,
                           std::size_t& cursor, List& list, const char* source) const {
        const std::size_t start = at;
        ++at;
        const std::optional<std::uint64_t> index = constant(at);
        if (!index || !isAt(at, ']') || !isAt(at + 1, '=') || !unit || *unit == 0) {
            list.problem.emplace(Cause::NotAConstant, state::Facts{.line = tokens().line(start),
                                                                   .value = elementText(start)});
            return at;
        }
        const std::size_t sourceBytes =
            static_cast<std::size_t>(tokens()[at].text.data() - source) + 1;
        if (*index > kFarthestIndex || *unit > kFarthestIndex ||
            base + *index * *unit > std::min(kMostValues, sourceBytes * kZerosPerByte)) {
            list.problem.emplace(Cause::IndexTooLarge,
                                 state::Facts{.line = tokens().line(start),
                                              .value = std::string(textBetween(start, at + 1))});
            return at;
        }
        cursor = base + static_cast<std::size_t>(*index * *unit);
        return at + 2;
    }

    // C fills a row given fewer values than the array is wide with zeros.
    void endRow(List& list, const Row& row, std::size_t& cursor, std::size_t close) const {
        const std::uint64_t width = *row.width;
        if (cursor - row.start > width) {
            const Span extra = row.excess.value_or(Span{close, close + 1});
            list.problem.emplace(
                Cause::RowTooLong,
                state::Facts{.line = tokens().line(extra.first),
                             .value = std::string(textBetween(extra.first, extra.end))});
            return;
        }
        if (width > kMostValues || row.start + width > kMostValues) {
            list.problem.emplace(Cause::FileTooLarge, state::Facts{.line = tokens().line(close)});
            return;
        }
        cursor = row.start + static_cast<std::size_t>(width);
        list.length = std::max(list.length, cursor);
    }

    // One value up to the next "," or "}"; a problem when it is anything but a byte constant.
    std::size_t element(std::size_t at, List& list, std::size_t& cursor, Row* row) const {
        const std::size_t start = at;
        const std::optional<std::uint64_t> value = constant(at);
        if (!value || !(isAt(at, ',') || isAt(at, '}'))) {
            list.problem.emplace(Cause::NotAConstant, state::Facts{.line = tokens().line(start),
                                                                   .value = elementText(start)});
            return at;
        }
        if (*value > 0xFF) {
            list.problem.emplace(Cause::NotAByte,
                                 state::Facts{.line = tokens().line(start),
                                              .value = std::string(textBetween(start, at))});
        }
        if (row) row->written(cursor, list.filled(), {start, at});
        if (list.bytes.size() <= cursor) list.bytes.resize(cursor + 1);
        list.bytes[cursor++] = static_cast<std::uint8_t>(*value);
        return at;
    }

    // A constant, a parenthesised constant, or a cast such as "(uint8_t)0x3E" before one.
    std::optional<std::uint64_t> constant(std::size_t& at) const {
        const std::optional<CValue> value = listValue(tokens(), at);
        if (!value || value->negative) return std::nullopt;
        return value->number ? value->number : arduinoBinary(value->name);
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
    const std::optional<TableShape> declared_;
    const std::optional<std::size_t> glcdFirst_;
    const std::optional<std::size_t> listedGlyphs_;
};

}  // namespace

ImportedFont importCTable(std::string_view source, const ImportOptions& options) {
    requireImportSize(source.size());
    // Read as C, any binary file would fail on some syntax that it never meant.
    if (source.find('\0') != source.npos) {
        constexpr std::size_t kShown = 16;
        throw Failure(Cause::NotAnyFormat, {.value = std::string(source.substr(0, kShown))});
    }
    return TableReader(source, options).read();
}

}  // namespace fontedit::formats
