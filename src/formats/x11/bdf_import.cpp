#include <algorithm>
#include <charconv>
#include <string>
#include <utility>

#include "formats/common/cell_font.h"
#include "formats/common/font_bytes.h"
#include "formats/console/psf_export.h"
#include "formats/font_import.h"
#include "formats/marks.h"
#include "formats/x11/bdf_lines.h"
#include "state/failure.h"

namespace fontedit::formats {
namespace {

using state::Cause;
using state::Failure;

class BdfReader {
public:
    BdfReader(std::string_view bytes, const ImportOptions& options)
        : lines_(bytes, BdfLines::Comments::Skipped),
          options_(options),
          first_(options.first ? *options.first : runOf(bytes).value_or(kDefaultFirst)) {}

    ImportedFont read() {
        while (lines_.next() && lines_.content().empty()) {
        }
        if (lines_.keyword() != kBdfKeyword) {
            throw Failure(Cause::NotBdf, {.line = lines_.line(), .value = lines_.shown()});
        }
        while (lines_.keyword() != "ENDFONT") {
            // Every BDF ends so: one without it is cut short, its last glyphs lost.
            if (!lines_.next()) throw Failure(Cause::BdfNotEnded, {.line = lines_.line()});
            if (lines_.keyword() == "STARTCHAR") {
                glyph(cells());
            } else if (!cells_ && lines_.keyword() != "ENDFONT") {
                header();
            }
        }
        return cells().font(bdfUnquoted(registry_), bdfUnquoted(charsetEncoding_));
    }

private:
    void header() {
        const std::string_view key = lines_.keyword();
        if (key == "FONTBOUNDINGBOX") {
            fontBox_ = lines_.box();
        } else if (key == "FONT_ASCENT" || key == "FONT_DESCENT") {
            lines_.word();
            (key == "FONT_ASCENT" ? ascent_ : descent_) = lines_.number();
        } else if (key == "CHARSET_REGISTRY" || key == "CHARSET_ENCODING") {
            lines_.word();
            (key == "CHARSET_REGISTRY" ? registry_ : charsetEncoding_) = lines_.word();
        }
    }

    // The font's glyphs on the cell, once its header has told its ascent and descent.
    CellFont& cells() {
        if (!cells_) {
            const long long ascent =
                ascent_.value_or(fontBox_ ? fontBox_->height + fontBox_->bottom : 0);
            const long long descent = descent_.value_or(fontBox_ ? -fontBox_->bottom : 0);
            cells_.emplace(options_, first_, ascent, descent);
        }
        return *cells_;
    }

    void glyph(CellFont& cells) {
        CellGlyph glyph;
        glyph.line = lines_.line();
        lines_.word();
        const std::string_view name = lines_.rest();
        glyph.name = bdfShown(name.substr(std::min(name.find_first_not_of(' '), name.size())));
        std::optional<long long> encoding;
        std::optional<BdfBox> glyphBox;
        while (true) {
            if (!lines_.next()) {
                throw Failure(Cause::BdfNotClosed, {.line = glyph.line, .value = glyph.name});
            }
            const std::string_view key = lines_.keyword();
            if (key == "ENDCHAR") break;
            if (key == "ENCODING") {
                lines_.word();
                encoding = lines_.number();
                cells.sawEncoding(*encoding);
            } else if (key == "BBX") {
                glyphBox = lines_.box();
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
        BdfLines lines(bytes, BdfLines::Comments::Lines);
        while (lines.next()) {
            const std::string_view line = lines.content();
            if (!line.starts_with("ENCODING")) continue;
            const std::string_view digits =
                bdfTrimmed(line.substr(std::string_view("ENCODING").size()));
            long long value = 0;
            const auto [last, error] =
                std::from_chars(digits.data(), digits.data() + digits.size(), value);
            if (error != std::errc() || value < 0) continue;
            encodings.push_back(value);
            if (encodings.size() > state::kSavedCodes) return std::nullopt;
        }
        return onlyRun(std::move(encodings));
    }

    void bitmap(const CellFont& cells, CellGlyph& glyph, const std::optional<BdfBox>& box) {
        if (!box) lines_.malformed();
        for (long long row = 0; row < box->height; ++row) {
            lines_.nextRow(box->width);
            const long long y = box->bottom + box->height - 1 - row;
            for (long long x = 0; x < box->width; x += 4) {
                const int digit = lines_.rowDigit(static_cast<std::size_t>(x / 4));
                for (long long dot = x; digit != 0 && dot < x + 4 && dot < box->width; ++dot) {
                    if ((digit & (8 >> (dot - x))) != 0) cells.dot(glyph, box->left + dot, y);
                }
            }
        }
    }

    BdfLines lines_;
    const ImportOptions& options_;
    const long long first_;
    std::optional<BdfBox> fontBox_;
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
