#include "formats/common/bitmap_readers.h"

#include "formats/common/font_bytes.h"
#include "formats/import_formats.h"
#include "formats/x11/bdf_document.h"
#include "state/failure.h"
#include "state/utf8.h"

namespace fontedit::formats {

using state::Cause;
using state::Failure;

state::BitmapFont readBdf(std::string_view bytes) {
    return BdfDocument::read(bytes).font();
}

state::BitmapFont byJisX0201(const state::BitmapFont& font) {
    state::BitmapFont coded;
    coded.ascent = font.ascent;
    coded.descent = font.descent;
    coded.family = font.family;
    for (int code = 0; code < 0x100; ++code) {
        const char32_t character = jisX0201Character(code);
        const state::BitmapGlyph* glyph = character ? font.find(character) : nullptr;
        if (!glyph) continue;
        coded.glyphs.push_back(*glyph);
        coded.glyphs.back().character = static_cast<char32_t>(code);
    }
    return coded;
}

state::BitmapFont classicBitmapFont(const state::FontData& data, bool byLabel) {
    constexpr int kAdvance = state::kGlyphColumns + 1;
    state::BitmapFont font;
    font.ascent = state::kGlyphRows - 1;
    font.descent = 1;
    for (int code = 0; code < state::kSavedCodes; ++code) {
        const std::string& label = data.labels[code];
        char32_t character = static_cast<char32_t>(32 + code);
        if (byLabel) {
            if (label.empty()) continue;
            // Names such as "DEL" stand for no one character.
            const state::Utf8Sequence sequence = state::utf8Sequence(label);
            if (!sequence.valid || sequence.length != label.size()) continue;
            character = sequence.codePoint;
            if (font.find(character)) {
                throw Failure(Cause::LabelTwice, {.code = code, .value = label});
            }
        }
        state::BitmapGlyph glyph =
            state::blankGlyph(character, state::kGlyphColumns, state::kGlyphRows);
        glyph.name = label;
        glyph.bottom = -1;
        glyph.advance = kAdvance;
        const state::GlyphBytes columns = glyphBytes(data, code);
        for (int x = 0; x < state::kGlyphColumns; ++x) {
            for (int y = 0; y < state::kGlyphRows; ++y) glyph.setDot(x, y, dotLit(columns[x], y));
        }
        font.put(std::move(glyph));
    }
    return font;
}

}  // namespace fontedit::formats
