#include <algorithm>
#include <bitset>
#include <charconv>
#include <iterator>
#include <string>

#include "formats/font_bytes.h"
#include "formats/font_import.h"
#include "formats/imported_glyphs.h"
#include "state/failure.h"

namespace fontedit::formats {
namespace {

using state::Cause;
using state::Failure;

constexpr int kDefaultFirst = 0x20;
constexpr std::string_view kBlanks = " \t\r";
// The cell's baseline: dot rows 0-6 stand above it, row 7 below as a one-dot descent.
constexpr int kCellAscent = 7;

struct Box {
    long long width = 0, height = 0, x = 0, y = 0;
};

std::string_view trimmed(std::string_view text) {
    text.remove_prefix(std::min(text.find_first_not_of(kBlanks), text.size()));
    return text.substr(0, text.find_last_not_of(kBlanks) + 1);
}

std::string_view withoutByteOrderMark(std::string_view bytes) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
    return bytes;
}

// One glyph being read: its dots on the cell, and whether any fell outside.
struct Glyph {
    std::string name;
    int line = 0;
    std::optional<long long> encoding;
    std::optional<Box> box;
    std::uint8_t columns[state::kGlyphColumns] = {};
    bool outside = false;
};

class BdfReader {
public:
    BdfReader(std::string_view bytes, const ImportOptions& options)
        : bytes_(withoutByteOrderMark(bytes)),
          options_(options),
          first_(options.first ? *options.first : onlyRun(bytes_).value_or(kDefaultFirst)) {}

    ImportedFont read() {
        while (nextLine() && text_.empty()) {
        }
        if (keyword() != "STARTFONT") {
            throw Failure(Cause::NotBdf, {.line = line_, .value = shown(text_)});
        }
        std::optional<int> cellAscent;
        while (nextLine() && keyword() != "ENDFONT") {
            if (keyword() == "STARTCHAR") {
                if (!cellAscent) cellAscent = baselineRow();
                glyph(*cellAscent);
            } else if (!cellAscent) {
                header();
            }
        }
        if (found_.none() && lowest_) {
            throw Failure(Cause::EncodingsElsewhere,
                          {.code = static_cast<int>(first_),
                           .value = std::to_string(*lowest_) + "-" + std::to_string(highest_)});
        }
        if (found_.none()) throw Failure(Cause::NoGlyphInRange, {.value = std::to_string(first_)});
        ImportedFont font;
        font.notes = std::move(notes_);
        for (int code = 0; code < state::kSavedCodes; ++code) {
            setGlyph(font.data, code, columns_[code]);
            if (!found_[code]) {
                font.notes.push_back({.kind = ImportNote::Kind::EncodingMissing,
                                      .code = static_cast<int>(first_ + code)});
            }
            const long long character = first_ + code;
            font.data.labels[code] = character < 0x80 || unicode() ? labelForCode(character) : "";
        }
        return font;
    }

private:
    // The next line without its line end, skipping comments; false at the end of the bytes.
    bool nextLine() {
        do {
            if (pos_ >= bytes_.size()) {
                text_ = {};
                return false;
            }
            const std::size_t end = std::min(bytes_.find('\n', pos_), bytes_.size());
            text_ = bytes_.substr(pos_, end - pos_);
            text_ = trimmed(text_);
            pos_ = end + 1;
            ++line_;
            words_ = text_;
        } while (keyword() == "COMMENT");
        return true;
    }

    std::string_view keyword() const { return text_.substr(0, text_.find_first_of(kBlanks)); }

    // The next word of the line, the keyword first.
    std::string_view word() {
        words_.remove_prefix(std::min(words_.find_first_not_of(kBlanks), words_.size()));
        const std::string_view result = words_.substr(0, words_.find_first_of(kBlanks));
        words_.remove_prefix(result.size());
        return result;
    }

    [[noreturn]] void malformed() const {
        throw Failure(Cause::BdfSyntax, {.line = line_, .value = shown(text_)});
    }

    static std::string shown(std::string_view text) {
        constexpr std::size_t kLongest = 60;
        return std::string(text.substr(0, kLongest));
    }

    // Far beyond any font, yet small enough that sums of a few never overflow.
    static constexpr long long kLargest = 1'000'000'000;

    long long number() {
        const std::string_view text = word();
        long long value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
            value < -kLargest || value > kLargest) {
            malformed();
        }
        return value;
    }

    Box box() {
        word();
        Box read;
        read.width = number();
        read.height = number();
        read.x = number();
        read.y = number();
        if (read.width < 0 || read.height < 0) malformed();
        return read;
    }

    void header() {
        const std::string_view key = keyword();
        if (key == "FONTBOUNDINGBOX") {
            fontBox_ = box();
        } else if (key == "FONT_ASCENT" || key == "FONT_DESCENT") {
            word();
            (key == "FONT_ASCENT" ? ascent_ : descent_) = number();
        } else if (key == "CHARSET_REGISTRY" || key == "CHARSET_ENCODING") {
            word();
            (key == "CHARSET_REGISTRY" ? registry_ : charsetEncoding_) = std::string(word());
        }
    }

    // The cell row just below the font's baseline: the cell's own unless the font, taller
    // above or deeper below, fits the eight rows only with its baseline moved.
    int baselineRow() const {
        const long long ascent = ascent_.value_or(fontBox_ ? fontBox_->height + fontBox_->y : 0);
        const long long descent = descent_.value_or(fontBox_ ? -fontBox_->y : 0);
        if (ascent < 0 || descent < 0 || ascent + descent > state::kGlyphRows) return kCellAscent;
        return static_cast<int>(
            std::clamp<long long>(kCellAscent, ascent, state::kGlyphRows - descent));
    }

    // Characters are Unicode in ISO 10646 and Latin-1 fonts; other character sets are told
    // apart from ASCII only.
    bool unicode() const {
        return registry_.empty() || registry_ == "\"ISO10646\"" ||
               (registry_ == "\"ISO8859\"" && charsetEncoding_ == "\"1\"");
    }

    void glyph(int cellAscent) {
        Glyph glyph;
        glyph.line = line_;
        word();
        glyph.name = shown(words_.substr(std::min(words_.find_first_not_of(' '), words_.size())));
        while (true) {
            if (!nextLine()) {
                throw Failure(Cause::BdfNotClosed, {.line = glyph.line, .value = glyph.name});
            }
            const std::string_view key = keyword();
            if (key == "ENDCHAR") break;
            if (key == "ENCODING") {
                word();
                glyph.encoding = number();
                if (*glyph.encoding >= 0) {
                    lowest_ = std::min(lowest_.value_or(*glyph.encoding), *glyph.encoding);
                    highest_ = std::max(highest_, *glyph.encoding);
                }
            } else if (key == "BBX") {
                glyph.box = box();
            } else if (key == "BITMAP" && wanted(glyph)) {
                bitmap(glyph, cellAscent);
            }
        }
        if (wanted(glyph)) place(glyph);
    }

    // The first of exactly 96 consecutive encodings, when the font holds those and no other.
    static std::optional<long long> onlyRun(std::string_view bytes) {
        std::vector<long long> encodings;
        for (std::size_t pos = 0; pos < bytes.size();) {
            const std::size_t end = std::min(bytes.find('\n', pos), bytes.size());
            const std::string_view line = trimmed(bytes.substr(pos, end - pos));
            pos = end + 1;
            if (!line.starts_with("ENCODING")) continue;
            const std::string_view digits =
                trimmed(line.substr(std::string_view("ENCODING").size()));
            long long value = 0;
            const auto [last, error] =
                std::from_chars(digits.data(), digits.data() + digits.size(), value);
            if (error != std::errc() || value < 0) continue;
            encodings.push_back(value);
            if (encodings.size() > state::kSavedCodes) return std::nullopt;
        }
        std::sort(encodings.begin(), encodings.end());
        if (encodings.size() != state::kSavedCodes ||
            std::adjacent_find(encodings.begin(), encodings.end()) != encodings.end() ||
            encodings.back() - encodings.front() != state::kSavedCodes - 1) {
            return std::nullopt;
        }
        return encodings.front();
    }

    bool wanted(const Glyph& glyph) const {
        return glyph.encoding && *glyph.encoding >= first_ &&
               *glyph.encoding < first_ + state::kSavedCodes;
    }

    void bitmap(Glyph& glyph, int cellAscent) {
        const std::optional<Box> box = glyph.box ? glyph.box : fontBox_;
        if (!box) malformed();
        for (long long row = 0; row < box->height; ++row) {
            if (!nextLine() || keyword() == "ENDCHAR") {
                throw Failure(Cause::BitmapRow, {.line = line_, .value = shown(text_)});
            }
            if (static_cast<long long>(text_.size()) * 4 < box->width) {
                throw Failure(Cause::BitmapRow, {.line = line_, .value = shown(text_)});
            }
            const long long cellRow = cellAscent - 1 - (box->y + box->height - 1 - row);
            for (long long dot = 0; dot < box->width; ++dot) {
                const int digit = hexDigit(text_[dot / 4]);
                if (digit < 0)
                    throw Failure(Cause::BitmapRow, {.line = line_, .value = shown(text_)});
                if ((digit & (8 >> dot % 4)) == 0) continue;
                const long long column = box->x + dot;
                if (column < 0 || column >= state::kGlyphColumns || cellRow < 0 ||
                    cellRow >= state::kGlyphRows) {
                    glyph.outside = true;
                } else {
                    glyph.columns[column] |= 1 << cellRow;
                }
            }
        }
    }

    static int hexDigit(char ch) {
        if (ch >= '0' && ch <= '9') return ch - '0';
        if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
        if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
        return -1;
    }

    void place(const Glyph& glyph) {
        const int code = static_cast<int>(*glyph.encoding - first_);
        if (found_[code]) {
            throw Failure(Cause::DuplicateEncoding,
                          {.line = glyph.line, .code = code, .value = glyph.name});
        }
        if (glyph.outside && !options_.crop) {
            throw Failure(Cause::GlyphTooLarge,
                          {.line = glyph.line, .code = code, .value = glyph.name});
        }
        if (glyph.outside) {
            notes_.push_back({.kind = ImportNote::Kind::GlyphCropped,
                              .name = glyph.name,
                              .line = glyph.line,
                              .code = static_cast<int>(*glyph.encoding)});
        }
        found_[code] = true;
        std::copy(std::begin(glyph.columns), std::end(glyph.columns), columns_[code]);
    }

    std::string_view bytes_;
    const ImportOptions& options_;
    const long long first_;
    std::size_t pos_ = 0;
    int line_ = 0;
    std::string_view text_;
    std::string_view words_;
    std::optional<Box> fontBox_;
    std::optional<long long> ascent_, descent_;
    std::string registry_, charsetEncoding_;
    std::optional<long long> lowest_;  // of the encodings of every glyph, in range or not
    long long highest_ = 0;
    std::bitset<state::kSavedCodes> found_;
    std::uint8_t columns_[state::kSavedCodes][state::kGlyphColumns] = {};
    std::vector<ImportNote> notes_;  // of cropped glyphs, in the order of the file
};

}  // namespace

ImportFormat detectFormat(std::string_view bytes) {
    if (bytes.starts_with(kPngSignature)) return ImportFormat::Png;
    bytes = withoutByteOrderMark(bytes);
    bytes.remove_prefix(std::min(bytes.find_first_not_of(" \t\r\n"), bytes.size()));
    if (bytes.starts_with("STARTFONT")) return ImportFormat::Bdf;
    const bool binary = bytes.size() == kBinaryFontBytes && bytes.find('\0') != bytes.npos;
    return binary ? ImportFormat::Bin : ImportFormat::C;
}

ImportedFont importBdf(std::string_view bytes, const ImportOptions& options) {
    if (bytes.size() > kMostImportBytes) throw Failure(Cause::FileTooLarge, {});
    return BdfReader(bytes, options).read();
}

}  // namespace fontedit::formats
