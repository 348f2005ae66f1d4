#pragma once

// A BDF 2.1 font as the bitmap font's own file. Everything the model does not hold stays as
// it was read: properties, comments, SWIDTH, the glyphs' order, lines of any other keyword,
// glyphs with no encoding. Written back after no change the bytes are the ones read; after a
// change only the lines the change needs are written anew: the changed glyphs' names, DWIDTH,
// BBX and bitmap rows that differ, and FONTBOUNDINGBOX, CHARS, FONT_ASCENT and FONT_DESCENT
// where they no longer hold, FAMILY_NAME for a new family. Glyphs are keyed by their ENCODING
// as it stands; the family is FAMILY_NAME, else the family of FONT.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "state/bitmap_font.h"

namespace fontedit::formats {

class BdfDocument {
public:
    // Fails with FileTooLarge past kMostImportBytes, NotBdf, BdfSyntax, BitmapRow,
    // BdfNotClosed, BdfEncodingTwice, BdfTooManyGlyphs or BdfGlyphTooLarge, each with its line.
    static BdfDocument read(std::string_view bytes);
    // The same, keeping `bytes` as the text rather than a copy of it: a font of megabytes.
    static BdfDocument read(std::string&& bytes);

    const state::BitmapFont& font() const { return font_; }
    // Edits here show in the next write().
    state::BitmapFont& font() { return font_; }

    // Only the glyphs of `characters` (sorted) are kept, and those with no character dropped.
    void keepOnly(const std::vector<char32_t>& characters);

    std::string write() const;

private:
    // Offsets into the text, which is at most kMostImportBytes long: a large font holds tens of
    // thousands of these.
    using Offset = std::uint32_t;
    struct Span {
        Offset begin = 0, end = 0;  // the line without its line end
    };
    struct GlyphText {
        Offset begin = 0, end = 0;         // from STARTCHAR to after ENDCHAR's line end
        std::optional<char32_t> encoding;  // none: written as it was read, whatever changes
    };
    // The lines of a glyph's text, found again for the glyphs a writing changes rather than
    // kept for every glyph.
    struct GlyphLines {
        Span startChar;
        std::optional<Span> dWidth, bbx;
        Span bitmap;
        bool drawn = false;  // it has a BITMAP line
        Offset rowsEnd = 0;  // after the last row's line end
    };
    struct Box {
        int width = 0, height = 0, left = 0, bottom = 0;
        bool operator==(const Box&) const = default;
    };
    struct Edit {
        std::size_t begin = 0, end = 0;
        std::string text;
    };

    bool kept(const GlyphText& text) const;
    // The glyph as the text holds it, read again rather than kept: the model holds it already.
    state::BitmapGlyph readGlyph(const GlyphText& text) const;
    GlyphLines linesOf(const GlyphText& text) const;
    // `was`: the glyph as read where the model's differs from it.
    void appendGlyph(std::string& out, const GlyphText& text, bool boxMoved,
                     const state::BitmapGlyph* was) const;
    std::string glyphLines(const state::BitmapGlyph& glyph) const;
    Box fontBox() const;  // the declared box and every glyph's
    std::vector<Edit> headerEdits(const Box& box, std::size_t glyphCount) const;
    std::string line(std::string_view text) const { return std::string(text) + lineEnd_; }

    std::string text_;
    std::string lineEnd_ = "\n";
    std::size_t headerEnd_ = 0;
    std::size_t endFont_ = 0;        // the ENDFONT line, or the end of the bytes
    std::vector<GlyphText> glyphs_;  // in the file's order
    std::optional<Span> fontBox_, chars_, ascent_, descent_, family_, properties_;
    std::optional<std::size_t> endProperties_;
    long long propertyCount_ = 0;
    Box declaredBox_;
    int pointSize_ = 0, resolution_ = 0;
    bool keepsUnencoded_ = true;
    std::optional<long long> fontAdvance_;  // the DWIDTH of the header
    // As read, to tell what changed.
    int readAscent_ = 0, readDescent_ = 0;
    std::string readFamily_;
    state::BitmapFont font_;

    friend class BdfParser;
};

// A new BDF file of the font: the X logical font description and the properties fc-scan and
// FreeType take a Unicode map from, then the glyphs in the order of their characters, each
// advancing as far as its own advance. `family` names the font.
std::string bdfFromBitmapFont(const state::BitmapFont& font, std::string_view family);

}  // namespace fontedit::formats
