#include "pictures/text_glyphs.h"

#include "state/utf8.h"

namespace fontedit::pictures {

GlyphLookup::GlyphLookup(const LabelOf& label) {
    for (int code = 0; code < state::kSavedCodes; ++code) {
        byLabel_.try_emplace(std::string(label(code)), code);
    }
}

std::optional<int> GlyphLookup::glyphFor(std::string_view character) const {
    if (const auto found = byLabel_.find(std::string(character)); found != byLabel_.end()) {
        return found->second;
    }
    const auto ascii = static_cast<unsigned char>(character[0]);
    if (character.size() == 1 && ascii >= state::kFirstCharacter &&
        ascii < state::kFirstCharacter + state::kSavedCodes) {
        return ascii - state::kFirstCharacter;
    }
    return std::nullopt;
}

std::vector<TextGlyph> textGlyphs(std::string_view text, const GlyphLookup& lookup) {
    std::vector<TextGlyph> glyphs;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::string_view character =
            text.substr(pos, state::utf8Sequence(text.substr(pos)).length);
        glyphs.push_back({character, lookup.glyphFor(character)});
        pos += character.size();
    }
    return glyphs;
}

std::vector<TextGlyph> textGlyphs(std::string_view text, const LabelOf& label) {
    return textGlyphs(text, GlyphLookup(label));
}

}  // namespace fontedit::pictures
