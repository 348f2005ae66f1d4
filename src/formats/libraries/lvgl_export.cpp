#include "formats/libraries/lvgl_export.h"

#include <cstdio>

#include "formats/common/font_bytes.h"
#include "formats/tables/c_source_export.h"

namespace fontedit::formats {
namespace {

constexpr int kBaselineRow = 6;
// LVGL keeps advances in sixteenths of a pixel.
constexpr int kAdvance = 6 * 16;

// The box's dots row by row from the most significant bit, the last byte filled out.
std::string boxBits(const state::GlyphBytes& columns, const LitBox& box) {
    std::string bytes;
    int count = 0;
    for (int y = 0; y < box.height; ++y) {
        for (int x = 0; x < box.width; ++x, ++count) {
            if (count % 8 == 0) bytes.push_back(0);
            if (box.lit(columns, x, y)) {
                bytes.back() = static_cast<char>(bytes.back() | 0x80 >> count % 8);
            }
        }
    }
    return bytes;
}

std::string codePoint(int character) {
    char text[16];
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(character));
    return text;
}

}  // namespace

std::string lvglSource(const state::FontData& data, const std::string& name, int first) {
    std::string bitmap, descriptions;
    std::size_t index = 0;
    for (int code = 0; code < state::kSavedCodes; ++code) {
        const state::GlyphBytes columns = glyphBytes(data, code);
        const LitBox box = litBox(columns);
        const std::string bits = boxBits(columns, box);
        const int bottom = box.top + box.height - 1;
        descriptions +=
            ",\n    {.bitmap_index = " + std::to_string(index) +
            ", .adv_w = " + std::to_string(kAdvance) + ", .box_w = " + std::to_string(box.width) +
            ", .box_h = " + std::to_string(box.height) + ", .ofs_x = " + std::to_string(box.left) +
            ", .ofs_y = " + std::to_string(box.empty() ? 0 : kBaselineRow - bottom) + "}";
        if (bits.empty()) continue;
        bitmap += "\n    /* " + codePoint(first + code) + " \"" + commentText(data.labels[code]) +
                  "\" */\n   ";
        for (const char byte : bits) bitmap += " " + hexByte(static_cast<std::uint8_t>(byte)) + ",";
        bitmap += "\n";
        index += bits.size();
    }
    // C has no empty initializer list: a font of blank glyphs keeps one byte.
    if (index == 0) bitmap = "\n    0x00\n";
    const int last = first + state::kSavedCodes - 1;
    return "/* A 5 x 8 font of 96 glyphs from fontedit for LVGL 8.3 and 9, characters " +
           std::to_string(first) + "-" + std::to_string(last) +
           ", 1 bit a pixel.\n"
           "   LV_FONT_DECLARE(" +
           name +
           ") declares it and\n"
           "   lv_obj_set_style_text_font(label, &" +
           name +
           ", 0) selects it. */\n\n"
           "#ifdef LV_LVGL_H_INCLUDE_SIMPLE\n#include \"lvgl.h\"\n#else\n"
           "#include \"lvgl/lvgl.h\"\n#endif\n\n"
           "/* Each glyph's box of lit dots, row by row, a bit a dot from the most significant. "
           "*/\n"
           "static LV_ATTRIBUTE_LARGE_CONST const uint8_t glyph_bitmap[] = {" +
           bitmap +
           "};\n\n"
           "static const lv_font_fmt_txt_glyph_dsc_t glyph_dsc[] = {\n"
           "    {.bitmap_index = 0, .adv_w = 0, .box_w = 0, .box_h = 0, .ofs_x = 0, .ofs_y = 0} "
           "/* id = 0 reserved */" +
           descriptions +
           "\n};\n\n"
           "static const lv_font_fmt_txt_cmap_t cmaps[] = {\n"
           "    {.range_start = " +
           std::to_string(first) + ", .range_length = " + std::to_string(state::kSavedCodes) +
           ", .glyph_id_start = 1, .unicode_list = NULL,\n"
           "     .glyph_id_ofs_list = NULL, .list_length = 0, "
           ".type = LV_FONT_FMT_TXT_CMAP_FORMAT0_TINY}\n};\n\n"
           "/* LVGL 8 looks glyphs up through a cache of the font's own; 9 has none. */\n"
           "#if LVGL_VERSION_MAJOR == 8\nstatic lv_font_fmt_txt_glyph_cache_t cache;\n#endif\n\n"
           "static const lv_font_fmt_txt_dsc_t font_dsc = {\n"
           "    .glyph_bitmap = glyph_bitmap,\n    .glyph_dsc = glyph_dsc,\n    .cmaps = cmaps,\n"
           "    .kern_dsc = NULL,\n    .kern_scale = 0,\n    .cmap_num = 1,\n    .bpp = 1,\n"
           "    .kern_classes = 0,\n    .bitmap_format = 0,\n"
           "#if LVGL_VERSION_MAJOR == 8\n    .cache = &cache,\n#endif\n};\n\n"
           "const lv_font_t " +
           name +
           " = {\n"
           "    .get_glyph_dsc = lv_font_get_glyph_dsc_fmt_txt,\n"
           "    .get_glyph_bitmap = lv_font_get_bitmap_fmt_txt,\n"
           "    .line_height = 8,\n    .base_line = 1,\n    .subpx = LV_FONT_SUBPX_NONE,\n"
           "    .underline_position = -1,\n    .underline_thickness = 1,\n"
           "    .dsc = &font_dsc,\n    .fallback = NULL,\n    .user_data = NULL,\n};\n";
}

}  // namespace fontedit::formats
