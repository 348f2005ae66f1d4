#include "bench/core/misaki_exports.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

#include "formats/libraries/lvgl.h"
#include "formats/libraries/u8g2.h"
#include "state/bitmap_font.h"
#include "support/scratch_directory.h"

namespace fontedit::bench {
namespace {

constexpr const char* kMisaki = "/usr/share/fonts/truetype/misaki/misaki_gothic.ttf";
constexpr int kPixels = 8;
constexpr int kTries = 5;

// Every character of the face at 8 pixels, the strike's dots where it has one, else the
// outlines drawn on the grid they were made on, in one bit a pixel.
state::BitmapFont misakiStrike(const std::string& bytes) {
    state::BitmapFont font;
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    if (FT_Init_FreeType(&library) != 0) return font;
    if (FT_New_Memory_Face(library, reinterpret_cast<const FT_Byte*>(bytes.data()),
                           static_cast<FT_Long>(bytes.size()), 0, &face) == 0) {
        int strike = -1;
        for (int i = 0; i < face->num_fixed_sizes; ++i) {
            if (face->available_sizes[i].height == kPixels) strike = i;
        }
        if (strike >= 0) {
            FT_Select_Size(face, strike);
        } else {
            FT_Set_Pixel_Sizes(face, 0, kPixels);
        }
        font.ascent = static_cast<int>(face->size->metrics.ascender >> 6);
        font.descent = static_cast<int>(-face->size->metrics.descender >> 6);
        FT_UInt index = 0;
        for (FT_ULong c = FT_Get_First_Char(face, &index); index != 0;
             c = FT_Get_Next_Char(face, c, &index)) {
            if (c > 0xFFFF || FT_Load_Glyph(face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) != 0)
                continue;
            const FT_Bitmap& bitmap = face->glyph->bitmap;
            if (bitmap.width > state::kMaxGlyphSide || bitmap.rows > state::kMaxGlyphSide) continue;
            state::BitmapGlyph glyph =
                state::blankGlyph(static_cast<char32_t>(c), static_cast<int>(bitmap.width),
                                  static_cast<int>(bitmap.rows));
            glyph.name = std::to_string(c);
            glyph.advance = static_cast<int>(face->glyph->advance.x >> 6);
            glyph.left = face->glyph->bitmap_left;
            glyph.bottom = face->glyph->bitmap_top - static_cast<int>(bitmap.rows);
            for (unsigned y = 0; y < bitmap.rows; ++y) {
                const unsigned char* row = bitmap.buffer + static_cast<long>(y) * bitmap.pitch;
                for (unsigned x = 0; x < bitmap.width; ++x) {
                    if (row[x / 8] >> (7 - x % 8) & 1)
                        glyph.setDot(static_cast<int>(x), static_cast<int>(y), true);
                }
            }
            font.glyphs.push_back(std::move(glyph));
        }
        FT_Done_Face(face);
    }
    FT_Done_FreeType(library);
    return font;
}

void report(const char* key, const std::function<std::size_t()>& exportFont) {
    double best = -1;
    std::size_t size = 0;
    for (int run = 0; run < kTries; ++run) {
        const auto start = std::chrono::steady_clock::now();
        size = exportFont();
        const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
        if (best < 0 || seconds.count() < best) best = seconds.count();
    }
    std::printf("core-misaki-%s-seconds fontedit %.3f\n", key, best);
    std::printf("core-misaki-%s-bytes fontedit %zu\n", key, size);
}

}  // namespace

void reportMisakiExports() {
    if (!std::filesystem::exists(kMisaki)) return;
    const state::BitmapFont font = misakiStrike(support::readBytes(kMisaki));
    std::printf("core-misaki-glyphs fontedit %zu\n", font.glyphs.size());
    report("u8g2", [&] { return formats::u8g2BitmapExport(font, {}).size(); });
    report("lvgl", [&] { return formats::lvglBitmapExport(font, {}).size(); });
    std::fflush(stdout);
}

}  // namespace fontedit::bench
