#include "formats/tables/glyph_table.h"

#include <algorithm>
#include <optional>
#include <sstream>
#include <string>

#include "formats/common/imported_glyphs.h"
#include "formats/tables/font_likeness.h"
#include "state/failure.h"

namespace fontedit::formats {
namespace {

using state::Cause;
using state::Failure;
using state::GlyphLayout;

constexpr std::size_t kGuessedStrides[] = {5, 6, 8};
// A table this large is indexed by character code rather than starting at the space.
constexpr std::size_t kCodeIndexedGlyphs = 128;
constexpr long long kSpace = state::kFirstCharacter;
// A reading looks like a font when it passes all but this many of at least kFewestChecks
// checks, and is taken only when it passes kClearMargin more than any other reading.
constexpr int kFewestChecks = 6;
constexpr int kChecksMissed = 2;
constexpr int kClearMargin = 3;

std::size_t ownBytes(GlyphLayout layout) {
    return layout == GlyphLayout::Rows ? state::kGlyphRows : state::kGlyphColumns;
}

// GLCD libraries start a font with its size in two bytes, then width, height, first character
// and count; a proportional font follows with a width per glyph.
struct GlcdHeader {
    static constexpr std::size_t kLength = 6;
    std::size_t width = 0, height = 0, first = 0, count = 0;
};

std::optional<GlcdHeader> glcdHeader(const GlyphTable& t) {
    if (t.size() <= GlcdHeader::kLength || t.at(3) == 0 || t.at(5) == 0) return std::nullopt;
    return GlcdHeader{.width = t.at(2), .height = t.at(3), .first = t.at(4), .count = t.at(5)};
}

// The bytes after the header when it describes a fixed-width font of 5 x 8 columns exactly.
std::optional<GlcdHeader> fixedGlcdHeader(const GlyphTable& t) {
    const std::optional<GlcdHeader> header = glcdHeader(t);
    if (!header || header->width != state::kGlyphColumns || header->height > state::kGlyphRows) {
        return std::nullopt;
    }
    const std::size_t glyphBytes = header->count * header->width;
    return GlcdHeader::kLength + glyphBytes == t.size() ? header : std::nullopt;
}

std::uint8_t reversed(std::uint8_t byte) {
    std::uint8_t bits = 0;
    for (int bit = 0; bit < 8; ++bit) bits |= ((byte >> bit) & 1) << (7 - bit);
    return bits;
}

// One way of reading the table.
struct Reading {
    TableShape shape;
    std::size_t skipped = 0;  // glyphs passed over after the offset: the control codes
    std::size_t glyphs = 0;   // whole glyphs from there on
    std::optional<long long> first{};
    // Of the glyphs taken, those with a dot outside 5 x 8 or in the padding.
    int lost = 0;
    std::optional<std::size_t> firstLost{};
    Likeness likeness{};
};

class BinaryTableReader {
public:
    BinaryTableReader(const GlyphTable& table, const ImportOptions& options)
        : table_(table),
          options_(options),
          header_(options.offset || options.stride || table.declared ? std::nullopt
                                                                     : fixedGlcdHeader(table)),
          offset_(options.offset.value_or(header_ ? GlcdHeader::kLength : 0)) {}

    ImportedFont read() {
        if (offset_ >= table_.size()) {
            throw Failure(Cause::OffsetPastEnd,
                          {.line = table_.line, .value = std::to_string(table_.size())});
        }
        const bool shapeGiven = options_.layout || options_.stride || options_.offset;
        if (!shapeGiven && !table_.declared) refuseVariableWidth();
        std::vector<Reading> readings;
        for (const TableShape& shape : shapes()) {
            const std::vector<Reading> found = readingsOf(shape);
            readings.insert(readings.end(), found.begin(), found.end());
        }
        if (readings.empty()) {
            if (table_.width && !options_.stride) {
                throw Failure(Cause::ArrayWidth,
                              {.line = table_.line, .value = std::to_string(*table_.width)});
            }
            throw Failure(Cause::PartialGlyph,
                          {.line = table_.line, .value = std::to_string(available())});
        }
        if (readings.size() == 1 && settled()) {
            judge(readings.front());
            return font(readings.front(), false);
        }
        return font(guessed(readings), true);
    }

private:
    std::size_t available() const { return table_.size() - offset_; }
    std::size_t offsetOf(const Reading& reading) const {
        return offset_ + reading.skipped * reading.shape.stride;
    }
    std::size_t glyphStart(const Reading& reading, std::size_t index) const {
        return offsetOf(reading) + index * reading.shape.stride;
    }

    // Named or declared, the layout brings its own stride unless the array's width says more.
    bool settled() const { return options_.layout || table_.declared; }

    std::vector<TableShape> shapes() const {
        std::vector<std::size_t> strides;
        if (options_.stride) {
            strides = {*options_.stride};
        } else if (table_.declared) {
            strides = {table_.declared->stride};
        } else if (table_.width) {
            strides = {*table_.width};
        } else if (options_.layout) {
            strides = {ownBytes(*options_.layout)};
        } else {
            strides.assign(std::begin(kGuessedStrides), std::end(kGuessedStrides));
        }
        std::vector<TableShape> found;
        for (const std::size_t stride : strides) {
            if (options_.layout) {
                found.push_back({*options_.layout, options_.msbFirst, stride});
            } else if (table_.declared) {
                found.push_back({table_.declared->layout, table_.declared->msbFirst, stride});
            } else {
                for (const GlyphLayout layout : {GlyphLayout::Columns, GlyphLayout::Rows}) {
                    for (const bool msbFirst : {false, true}) {
                        found.push_back({layout, msbFirst, stride});
                    }
                }
            }
        }
        return found;
    }

    std::vector<Reading> readingsOf(const TableShape& shape) const {
        const std::size_t stride = shape.stride;
        if (stride < ownBytes(shape.layout)) return {};
        const std::size_t fontBytes = state::kSavedCodes * stride;
        if (available() < fontBytes && available() % stride != 0) return {};
        Reading reading{.shape = shape, .glyphs = available() / stride};
        if (options_.first) {
            reading.first = *options_.first;
        } else if (header_) {
            reading.first = static_cast<long long>(header_->first);
        } else if (table_.size() / stride < kCodeIndexedGlyphs) {
            reading.first = kSpace;
        } else if (options_.offset) {
            if (offset_ % stride == 0) reading.first = static_cast<long long>(offset_ / stride);
        } else {
            // A table this large holds a whole character set, from code 0 or from the space;
            // both are read, and the one that looks like a font is taken from the space on.
            reading.first = kSpace;
            Reading fromCodeZero = reading;
            fromCodeZero.skipped = kSpace;
            fromCodeZero.glyphs -= kSpace;
            return {reading, fromCodeZero};
        }
        return {reading};
    }

    state::GlyphBytes glyph(const Reading& reading, std::size_t index, bool& lost) const {
        const TableShape& shape = reading.shape;
        const std::size_t start = glyphStart(reading, index);
        const auto bytes = [&](std::size_t at) { return table_.at(start + at); };
        state::GlyphBytes columns{};
        if (shape.layout == GlyphLayout::Columns) {
            for (std::size_t column = 0; column < columns.size(); ++column) {
                columns[column] = shape.msbFirst ? reversed(bytes(column)) : bytes(column);
            }
        } else {
            const int leftBit = shape.msbFirst ? 7 : state::kGlyphColumns - 1;
            const std::uint8_t outside = shape.msbFirst ? 0x07 : 0xE0;
            for (int row = 0; row < state::kGlyphRows; ++row) {
                lost |= (bytes(row) & outside) != 0;
                for (std::size_t column = 0; column < columns.size(); ++column) {
                    if (bytes(row) >> (leftBit - column) & 1) columns[column] |= 1 << row;
                }
            }
        }
        for (std::size_t pad = ownBytes(shape.layout); pad < shape.stride; ++pad) {
            lost |= bytes(pad) != 0;
        }
        return columns;
    }

    static std::size_t taken(const Reading& reading) {
        return std::min<std::size_t>(reading.glyphs, state::kSavedCodes);
    }

    // Only the glyphs taken count: dots in the others are no dots lost.
    void judge(Reading& reading) const {
        // Glyphs of the zeros C filled in lose no dot.
        for (std::size_t index = 0;
             index < taken(reading) && glyphStart(reading, index) < table_.bytes.size(); ++index) {
            bool lost = false;
            glyph(reading, index, lost);
            if (lost && !reading.firstLost) reading.firstLost = index;
            reading.lost += lost;
        }
        const long long first = reading.first.value_or(kSpace);
        reading.likeness = fontLikeness([&](char character) -> std::optional<state::GlyphBytes> {
            const long long index = character - first;
            if (index < 0 || index >= static_cast<long long>(reading.glyphs)) return std::nullopt;
            bool lost = false;
            return glyph(reading, static_cast<std::size_t>(index), lost);
        });
    }

    // The reading that clearly looks most like a font; a failure naming the others when none
    // does, or when two come close.
    Reading guessed(std::vector<Reading>& readings) const {
        for (Reading& reading : readings) judge(reading);
        // --crop lets a reading lose dots, when every reading would.
        const bool anyWhole = std::any_of(readings.begin(), readings.end(),
                                          [](const Reading& r) { return r.lost == 0; });
        if (anyWhole || !options_.crop) {
            std::erase_if(readings, [](const Reading& r) { return r.lost > 0; });
        }
        if (readings.empty()) {
            if (table_.width) {
                throw Failure(Cause::ArrayWidth,
                              {.line = table_.line, .value = std::to_string(*table_.width)});
            }
            throw Failure(Cause::NoShapeFits, {.line = table_.line});
        }
        std::stable_sort(readings.begin(), readings.end(), [](const Reading& a, const Reading& b) {
            return a.likeness.passed > b.likeness.passed;
        });
        const Likeness& best = readings.front().likeness;
        const bool likeAFont =
            best.checked >= kFewestChecks && best.passed >= best.checked - kChecksMissed;
        const bool clear =
            readings.size() == 1 || readings[1].likeness.passed + kClearMargin <= best.passed;
        if (!likeAFont || !clear) {
            std::string shapes;
            for (const Reading& reading : readings) {
                shapes +=
                    (shapes.empty() ? "" : "; ") + shapeOptions(reading.shape, offsetOf(reading));
            }
            throw Failure(Cause::ShapeUnclear, {.line = table_.line, .value = shapes});
        }
        return readings.front();
    }

    ImportedFont font(const Reading& reading, bool guessed) const {
        if (reading.lost > 0 && !options_.crop) {
            throw Failure(Cause::GlyphOutsideCell,
                          {.line = table_.line, .code = static_cast<int>(*reading.firstLost)});
        }
        ImportedFont font;
        const std::size_t glyphs = taken(reading);
        for (std::size_t code = 0; code < glyphs; ++code) {
            bool lost = false;
            const state::GlyphBytes columns = glyph(reading, code, lost);
            std::uint8_t cells[state::kGlyphColumns];
            std::copy(columns.begin(), columns.end(), cells);
            setGlyph(font.data, static_cast<int>(code), cells);
        }
        const std::uint8_t empty[state::kGlyphColumns] = {};
        for (std::size_t code = glyphs; code < state::kSavedCodes; ++code) {
            setGlyph(font.data, static_cast<int>(code), empty);
        }
        if (reading.first) labelFrom(*reading.first, font.data);
        if (guessed) {
            font.notes.push_back({.kind = ImportNote::Kind::ShapeTaken,
                                  .count = static_cast<int>(offsetOf(reading)),
                                  .shape = reading.shape});
        }
        if (reading.lost > 0) {
            font.notes.push_back({.kind = ImportNote::Kind::GlyphsCropped, .count = reading.lost});
        }
        if (glyphs < state::kSavedCodes) {
            font.notes.push_back({.kind = ImportNote::Kind::GlyphsFilled,
                                  .count = state::kSavedCodes - static_cast<int>(glyphs)});
        }
        return font;
    }

    // A GLCD header with a width per glyph: no fixed stride reads it.
    void refuseVariableWidth() const {
        const std::optional<GlcdHeader> header = glcdHeader(table_);
        if (!header || table_.size() < GlcdHeader::kLength + header->count) return;
        std::size_t sum = 0;
        std::uint8_t least = 0xFF, most = 0;
        for (std::size_t i = GlcdHeader::kLength; i < GlcdHeader::kLength + header->count; ++i) {
            sum += table_.at(i);
            least = std::min(least, table_.at(i));
            most = std::max(most, table_.at(i));
        }
        const bool varies = least != most;
        const std::size_t glyphBytes = sum * ((header->height + 7) / 8);
        if (varies && GlcdHeader::kLength + header->count + glyphBytes == table_.size()) {
            throw Failure(Cause::VariableWidth, {.line = table_.line});
        }
    }

    const GlyphTable& table_;
    const ImportOptions& options_;
    const std::optional<GlcdHeader> header_;  // a fixed-width font's header, passed over
    const std::size_t offset_;
};

}  // namespace

bool holdsGlyphs(std::size_t size, std::size_t offset, std::size_t fewest) {
    if (size <= offset) return false;
    const std::size_t taken = size - offset;
    return std::any_of(std::begin(kGuessedStrides), std::end(kGuessedStrides),
                       [&](std::size_t s) { return taken % s == 0 && taken / s >= fewest; });
}

ImportedFont importGlyphTable(const GlyphTable& table, const ImportOptions& options) {
    return BinaryTableReader(table, options).read();
}

std::string shapeOptions(const TableShape& shape, std::size_t offset) {
    const bool rows = shape.layout == GlyphLayout::Rows;
    std::string options = rows ? "--layout rows" : "--layout columns";
    if (shape.msbFirst) options += rows ? " --msb-left" : " --msb-top";
    options += " --stride " + std::to_string(shape.stride);
    if (offset > 0) options += " --offset " + std::to_string(offset);
    return options;
}

namespace {

// The inverse of shapeOptions; nothing for words it never writes.
std::optional<ShapeChoice> readShapeOptions(std::string_view options) {
    ShapeChoice choice{.shape = {}, .offset = 0, .options = std::string(options)};
    std::istringstream words{std::string(options)};
    std::string word;
    while (words >> word) {
        const auto number = [&words](std::size_t& into) { return bool(words >> into); };
        if (word == "--layout") {
            if (!(words >> word) || (word != "rows" && word != "columns")) return std::nullopt;
            choice.shape.layout = word == "rows" ? GlyphLayout::Rows : GlyphLayout::Columns;
        } else if (word == "--msb-left" || word == "--msb-top") {
            choice.shape.msbFirst = true;
        } else if (word == "--stride") {
            if (!number(choice.shape.stride)) return std::nullopt;
        } else if (word == "--offset") {
            if (!number(choice.offset)) return std::nullopt;
        } else {
            return std::nullopt;
        }
    }
    return choice;
}

}  // namespace

std::vector<ShapeChoice> shapeChoices(const state::Failure& failure) {
    if (failure.cause() != Cause::ShapeUnclear) return {};
    std::vector<ShapeChoice> choices;
    const std::string_view value = failure.facts().value;
    for (std::size_t start = 0; start < value.size();) {
        const std::size_t end = std::min(value.find("; ", start), value.size());
        if (auto choice = readShapeOptions(value.substr(start, end - start))) {
            choices.push_back(std::move(*choice));
        }
        start = end + 2;
    }
    return choices;
}

void choose(const ShapeChoice& choice, ImportOptions& options) {
    options.layout = choice.shape.layout;
    options.msbFirst = choice.shape.msbFirst;
    options.stride = choice.shape.stride;
    options.offset = choice.offset;
}

}  // namespace fontedit::formats
