#include "formats/libraries/library_decoders.h"

#include <algorithm>

namespace fontedit::formats::decoders {

const std::string_view kGfxStructs = R"(typedef struct {
    uint16_t bitmapOffset;
    uint8_t width, height, xAdvance;
    int8_t xOffset, yOffset;
} GFXglyph;
typedef struct {
    uint8_t *bitmap;
    GFXglyph *glyph;
    uint16_t first, last;
    uint8_t yAdvance;
} GFXfont;
)";

const std::string_view kU8g2Drawer = R"(
static const uint8_t *bits_at;
static unsigned bit_count;
static unsigned get_bits(unsigned n) {
    unsigned value = 0, i;
    for (i = 0; i < n; ++i, ++bit_count)
        value |= (unsigned)(bits_at[bit_count / 8] >> (bit_count % 8) & 1) << i;
    return value;
}
static int get_signed(unsigned n) { return (int)get_bits(n) - (1 << (n - 1)); }
static unsigned word(const uint8_t *at) { return (unsigned)at[0] << 8 | at[1]; }
static const uint8_t *find_glyph(const uint8_t *font, unsigned long code) {
    const uint8_t *at = font + 23;
    if (code <= 0xFF) {
        if (code >= 'a') at += word(font + 19);
        else if (code >= 'A') at += word(font + 17);
        for (; at[1] != 0; at += at[1])
            if (at[0] == code) return at + 2;
    } else {
        const uint8_t *table = font + 23 + word(font + 21);
        unsigned last;
        at = table;
        do {
            at += word(table);
            last = word(table + 2);
            table += 4;
        } while (last < code);
        for (; word(at) != 0; at += at[2])
            if (word(at) == code) return at + 3;
    }
    return 0;
}
static int u8g2_draw(const uint8_t *font, unsigned long code, int x, int y) {
    unsigned w, h, done = 0, zeros, ones, i;
    int left, bottom, advance;
    bits_at = find_glyph(font, code);
    bit_count = 0;
    if (!bits_at) return -2;
    w = get_bits(font[4]);
    h = get_bits(font[5]);
    left = get_signed(font[6]);
    bottom = get_signed(font[7]);
    advance = get_signed(font[8]);
    if (w == 0) return advance;
    do {
        zeros = get_bits(font[2]);
        ones = get_bits(font[3]);
        do {
            done += zeros;
            for (i = 0; i < ones; ++i, ++done)
                dot(x + left + (int)(done % w), y - (int)h - bottom + (int)(done / w));
        } while (get_bits(1));
    } while (done < w * h);
    return advance;
}
)";

const std::string_view kLvglGlyphsAndMaps = R"(typedef struct {
    uint32_t bitmap_index : 20;
    uint32_t adv_w : 12;
    uint8_t box_w;
    uint8_t box_h;
    int8_t ofs_x;
    int8_t ofs_y;
} lv_font_fmt_txt_glyph_dsc_t;
typedef enum {
    LV_FONT_FMT_TXT_CMAP_FORMAT0_FULL,
    LV_FONT_FMT_TXT_CMAP_SPARSE_FULL,
    LV_FONT_FMT_TXT_CMAP_FORMAT0_TINY,
    LV_FONT_FMT_TXT_CMAP_SPARSE_TINY
} lv_font_fmt_txt_cmap_type_t;
typedef struct {
    uint32_t range_start;
    uint16_t range_length;
    uint16_t glyph_id_start;
    const uint16_t *unicode_list;
    const void *glyph_id_ofs_list;
    uint16_t list_length;
    lv_font_fmt_txt_cmap_type_t type;
} lv_font_fmt_txt_cmap_t;
)";

LitBox litBox(const state::GlyphBytes& columns) {
    LitBox box;
    for (int x = 0; x < state::kGlyphColumns; ++x) {
        for (int y = 0; y < state::kGlyphRows; ++y) {
            if (!state::dotLit(columns[x], y)) continue;
            box.left = std::min(box.left, x), box.right = std::max(box.right, x);
            box.top = std::min(box.top, y), box.bottom = std::max(box.bottom, y);
        }
    }
    return box;
}

}  // namespace fontedit::formats::decoders
