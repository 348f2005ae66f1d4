#pragma once

// Which glyph each character of a line of text is drawn with, for every picture of text.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "state/tables.h"

namespace fontedit::pictures {

// A glyph's width in a line of text: its dots and the blank column after them.
inline constexpr int kCharacterPitch = state::kGlyphColumns + 1;

// The label of glyph `code`, 0-95.
using LabelOf = std::function<std::string_view(int code)>;

struct TextGlyph {
    std::string_view character;  // its UTF-8 bytes; a byte that starts no character stands alone
    std::optional<int> code;     // nothing where no glyph stands for it
};

// Which glyph a character takes: the lowest code whose label it is, or else its ASCII code
// minus 32. Built once for the labels, so that a long text is matched a character at a time.
class GlyphLookup {
public:
    explicit GlyphLookup(const LabelOf& label);
    std::optional<int> glyphFor(std::string_view character) const;

private:
    std::unordered_map<std::string, int> byLabel_;
};

std::vector<TextGlyph> textGlyphs(std::string_view text, const GlyphLookup& lookup);
std::vector<TextGlyph> textGlyphs(std::string_view text, const LabelOf& label);

}  // namespace fontedit::pictures
