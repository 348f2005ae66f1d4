#include "state/bitmap_font.h"

#include <algorithm>
#include <cstdio>

namespace fontedit::state {

namespace {

auto lowerBound(auto& glyphs, char32_t character) {
    return std::lower_bound(
        glyphs.begin(), glyphs.end(), character,
        [](const BitmapGlyph& glyph, char32_t c) { return glyph.character < c; });
}

}  // namespace

bool BitmapGlyph::dot(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return false;
    return (rows[static_cast<std::size_t>(y)] >> x) & 1U;
}

void BitmapGlyph::setDot(int x, int y, bool lit) {
    if (x < 0 || y < 0 || x >= width || y >= height) return;
    const std::uint64_t bit = std::uint64_t{1} << x;
    const std::uint64_t row = rows[static_cast<std::size_t>(y)];
    rows[static_cast<std::size_t>(y)] = lit ? (row | bit) : (row & ~bit);
}

const BitmapGlyph* BitmapFont::find(char32_t character) const {
    const auto it = lowerBound(glyphs, character);
    return it != glyphs.end() && it->character == character ? &*it : nullptr;
}

BitmapGlyph* BitmapFont::find(char32_t character) {
    const auto it = lowerBound(glyphs, character);
    return it != glyphs.end() && it->character == character ? &*it : nullptr;
}

void BitmapFont::put(BitmapGlyph glyph) {
    const auto it = lowerBound(glyphs, glyph.character);
    if (it != glyphs.end() && it->character == glyph.character)
        *it = std::move(glyph);
    else
        glyphs.insert(it, std::move(glyph));
}

bool BitmapFont::erase(char32_t character) {
    const auto it = lowerBound(glyphs, character);
    if (it == glyphs.end() || it->character != character) return false;
    glyphs.erase(it);
    return true;
}

FontCell fontCell(const BitmapFont& font) {
    int left = 0, right = 0, bottom = -font.descent, top = font.ascent;
    for (const BitmapGlyph& glyph : font.glyphs) {
        if (glyph.width <= 0 || glyph.height <= 0) continue;
        left = std::min(left, glyph.left);
        right = std::max(right, glyph.left + glyph.width);
        bottom = std::min(bottom, glyph.bottom);
        top = std::max(top, glyph.bottom + glyph.height);
    }
    return {.left = left, .bottom = bottom, .width = right - left, .height = top - bottom};
}

bool cellDot(const FontCell& cell, const BitmapGlyph& glyph, int x, int y) {
    return glyph.dot(cell.left + x - glyph.left, glyph.bottom + glyph.height - cell.top() + y);
}

std::uint8_t rowByte(std::uint64_t row, int width, int index) {
    std::uint8_t byte = 0;
    for (int bit = 0; bit < 8; ++bit) {
        const int x = index * 8 + bit;
        if (x < width && (row >> x & 1)) byte |= 0x80 >> bit;
    }
    return byte;
}

BitmapGlyph blankGlyph(char32_t character, int width, int height) {
    BitmapGlyph glyph;
    glyph.character = character;
    glyph.width = width;
    glyph.height = height;
    glyph.advance = width;
    glyph.rows.assign(static_cast<std::size_t>(std::max(height, 0)), 0);
    return glyph;
}

std::string wordName(const BitmapGlyph& glyph) {
    const bool word = !glyph.name.empty() && std::ranges::none_of(glyph.name, [](char c) {
        return static_cast<unsigned char>(c) <= ' ' || c == 0x7F;
    });
    if (word) return glyph.name;
    char name[16];
    std::snprintf(name, sizeof name, glyph.character > 0xFFFF ? "u%05X" : "uni%04X",
                  static_cast<unsigned>(glyph.character));
    return name;
}

}  // namespace fontedit::state
