#include <algorithm>
#include <charconv>
#include <string>
#include <utility>

#include "formats/common/cell_font.h"
#include "formats/common/font_bytes.h"
#include "formats/console/psf_export.h"
#include "formats/font_import.h"
#include "formats/marks.h"
#include "state/failure.h"

namespace fontedit::formats {
namespace {

using state::Cause;
using state::Failure;

constexpr std::string_view kBlanks = " \t\r";

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

class BdfReader {
public:
    BdfReader(std::string_view bytes, const ImportOptions& options)
        : bytes_(withoutByteOrderMark(bytes)),
          options_(options),
          first_(options.first ? *options.first : runOf(bytes_).value_or(kDefaultFirst)) {}

    ImportedFont read() {
        while (nextLine() && text_.empty()) {
        }
        if (keyword() != kBdfKeyword) {
            throw Failure(Cause::NotBdf, {.line = line_, .value = shown(text_)});
        }
        while (keyword() != "ENDFONT") {
            // Every BDF ends so: one without it is cut short, its last glyphs lost.
            if (!nextLine()) throw Failure(Cause::BdfNotEnded, {.line = line_});
            if (keyword() == "STARTCHAR") {
                glyph(cells());
            } else if (!cells_ && keyword() != "ENDFONT") {
                header();
            }
        }
        return cells().font(unquoted(registry_), unquoted(charsetEncoding_));
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

    // The font's glyphs on the cell, once its header has told its ascent and descent.
    CellFont& cells() {
        if (!cells_) {
            const long long ascent =
                ascent_.value_or(fontBox_ ? fontBox_->height + fontBox_->y : 0);
            const long long descent = descent_.value_or(fontBox_ ? -fontBox_->y : 0);
            cells_.emplace(options_, first_, ascent, descent);
        }
        return *cells_;
    }

    static std::string_view unquoted(std::string_view text) {
        if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
            text = text.substr(1, text.size() - 2);
        }
        return text;
    }

    void glyph(CellFont& cells) {
        CellGlyph glyph;
        glyph.line = line_;
        word();
        glyph.name = shown(words_.substr(std::min(words_.find_first_not_of(' '), words_.size())));
        std::optional<long long> encoding;
        std::optional<Box> glyphBox;
        while (true) {
            if (!nextLine()) {
                throw Failure(Cause::BdfNotClosed, {.line = glyph.line, .value = glyph.name});
            }
            const std::string_view key = keyword();
            if (key == "ENDCHAR") break;
            if (key == "ENCODING") {
                word();
                encoding = number();
                cells.sawEncoding(*encoding);
            } else if (key == "BBX") {
                glyphBox = box();
            } else if (key == "BITMAP" && encoding && cells.wanted(*encoding)) {
                bitmap(cells, glyph, glyphBox ? glyphBox : fontBox_);
            }
        }
        if (encoding && cells.wanted(*encoding)) {
            glyph.encoding = *encoding;
            cells.place(glyph);
        }
    }

    // The encodings of the whole font, read ahead: the run it holds decides its first glyph.
    static std::optional<long long> runOf(std::string_view bytes) {
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
        return onlyRun(std::move(encodings));
    }

    void bitmap(const CellFont& cells, CellGlyph& glyph, const std::optional<Box>& box) {
        if (!box) malformed();
        for (long long row = 0; row < box->height; ++row) {
            if (!nextLine() || keyword() == "ENDCHAR") {
                throw Failure(Cause::BitmapRow, {.line = line_, .value = shown(text_)});
            }
            if (static_cast<long long>(text_.size()) * 4 < box->width) {
                throw Failure(Cause::BitmapRow, {.line = line_, .value = shown(text_)});
            }
            const long long y = box->y + box->height - 1 - row;
            for (long long dot = 0; dot < box->width; ++dot) {
                const int digit = hexDigit(text_[dot / 4]);
                if (digit < 0)
                    throw Failure(Cause::BitmapRow, {.line = line_, .value = shown(text_)});
                if ((digit & (8 >> dot % 4)) != 0) cells.dot(glyph, box->x + dot, y);
            }
        }
    }

    static int hexDigit(char ch) {
        if (ch >= '0' && ch <= '9') return ch - '0';
        if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
        if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
        return -1;
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
    std::optional<CellFont> cells_;
};

}  // namespace

bool isBdf(std::string_view bytes) {
    bytes = withoutByteOrderMark(bytes);
    bytes.remove_prefix(std::min(bytes.find_first_not_of(" \t\r\n"), bytes.size()));
    return bytes.starts_with(kBdfKeyword);
}

ImportedFont importBdf(std::string_view bytes, const ImportOptions& options) {
    requireImportSize(bytes.size());
    return BdfReader(bytes, options).read();
}

}  // namespace fontedit::formats
