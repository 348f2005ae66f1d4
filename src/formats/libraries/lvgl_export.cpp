#include "formats/libraries/lvgl.h"

#include <algorithm>
#include <cstdint>

#include "formats/c/c_text.h"
#include "formats/common/bitmap_cell.h"
#include "formats/common/font_bytes.h"
#include "formats/tables/c_source_export.h"
#include "state/failure.h"

namespace fontedit::formats {
namespace {

// LVGL keeps advances in sixteenths of a pixel.
constexpr int kAdvanceUnit = 16;
constexpr int kLongestAdvance = (1 << 12) - 1;  // adv_w has 12 bits
// lv_font_conv gives a run of characters a cmap of its own from this length on; shorter ones
// share a sparse cmap's list.
constexpr std::size_t kShortestRun = 8;
// A cmap's range_length and a sparse list's offsets are 16-bit.
constexpr char32_t kLongestRange = 0xFFFF;

struct Cmap {
    std::size_t from = 0;  // its first glyph, an index into the font's
    std::size_t to = 0;    // past its last
    bool sparse = false;
};

// Runs of consecutive characters, each long run a cmap of its own and the short runs between
// them together in sparse ones, as lv_font_conv splits a font's ranges.
std::vector<Cmap> cmapsOf(const state::BitmapFont& font) {
    const auto& glyphs = font.glyphs;
    std::vector<Cmap> cmaps;
    for (std::size_t at = 0; at < glyphs.size();) {
        std::size_t end = at + 1;
        while (end < glyphs.size() && glyphs[end].character == glyphs[end - 1].character + 1 &&
               glyphs[end].character - glyphs[at].character < kLongestRange)
            ++end;
        const bool run = end - at >= kShortestRun;
        if (!run && !cmaps.empty() && cmaps.back().sparse && cmaps.back().to == at &&
            glyphs[end - 1].character - glyphs[cmaps.back().from].character < kLongestRange) {
            cmaps.back().to = end;
        } else {
            cmaps.push_back({at, end, !run});
        }
        at = end;
    }
    return cmaps;
}

std::string lvglText(const state::BitmapFont& font, const std::string& name,
                     const std::string& opening) {
    const FontCell cell = fontCell(font);
    std::string bitmap, descriptions;
    std::size_t index = 0;
    for (const state::BitmapGlyph& glyph : font.glyphs) {
        const TrimmedBox box = trimmedBox(glyph);
        const std::vector<std::uint8_t> bits = msbFirstBits(glyph, box);
        checkField(glyph, "adv_w", glyph.advance * kAdvanceUnit, 0, kLongestAdvance);
        checkField(glyph, "ofs_x", box.empty() ? 0 : glyph.left + box.left, INT8_MIN, INT8_MAX);
        checkField(glyph, "ofs_y", box.empty() ? 0 : box.bottom(glyph), INT8_MIN, INT8_MAX);
        descriptions += ",\n    {.bitmap_index = " + std::to_string(index) +
                        ", .adv_w = " + std::to_string(glyph.advance * kAdvanceUnit) +
                        ", .box_w = " + std::to_string(box.width) +
                        ", .box_h = " + std::to_string(box.height) +
                        ", .ofs_x = " + std::to_string(box.empty() ? 0 : glyph.left + box.left) +
                        ", .ofs_y = " + std::to_string(box.empty() ? 0 : box.bottom(glyph)) + "}";
        if (bits.empty()) continue;
        bitmap += "\n    /* " + codePointText(glyph.character) + " \"" + commentText(glyph.name) +
                  "\" */\n   ";
        for (const std::uint8_t byte : bits) bitmap += " " + hexByte(byte) + ",";
        bitmap += "\n";
        index += bits.size();
    }
    // C has no empty initializer list: a font of blank glyphs keeps one byte.
    if (index == 0) bitmap = "\n    0x00\n";
    const std::vector<Cmap> cmaps = cmapsOf(font);
    std::string lists, cmapText;
    for (std::size_t i = 0; i < cmaps.size(); ++i) {
        const Cmap& cmap = cmaps[i];
        const char32_t start = font.glyphs[cmap.from].character;
        const char32_t length = font.glyphs[cmap.to - 1].character - start + 1;
        std::string list = "NULL";
        if (cmap.sparse) {
            list = "unicode_list_" + std::to_string(i);
            lists += "static const uint16_t " + list + "[] = {";
            for (std::size_t g = cmap.from; g < cmap.to; ++g) {
                lists +=
                    (g == cmap.from ? "" : ", ") + std::to_string(font.glyphs[g].character - start);
            }
            lists += "};\n";
        }
        cmapText +=
            std::string(i == 0 ? "" : ",\n") + "    {.range_start = " + std::to_string(start) +
            ", .range_length = " + std::to_string(length) +
            ", .glyph_id_start = " + std::to_string(cmap.from + 1) + ", .unicode_list = " + list +
            ",\n     .glyph_id_ofs_list = NULL, .list_length = " +
            std::to_string(cmap.sparse ? cmap.to - cmap.from : 0) + ", .type = " +
            (cmap.sparse ? "LV_FONT_FMT_TXT_CMAP_SPARSE_TINY}"
                         : "LV_FONT_FMT_TXT_CMAP_FORMAT0_TINY}");
    }
    if (cmaps.empty()) {
        // No character: one cmap of none, as C takes no empty list.
        cmapText =
            "    {.range_start = 0, .range_length = 0, .glyph_id_start = 0, "
            ".unicode_list = NULL,\n     .glyph_id_ofs_list = NULL, .list_length = 0, "
            ".type = LV_FONT_FMT_TXT_CMAP_FORMAT0_TINY}";
    }
    return "/* " + opening +
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
           descriptions + "\n};\n\n" + (lists.empty() ? "" : lists + "\n") +
           "static const lv_font_fmt_txt_cmap_t cmaps[] = {\n" + cmapText +
           "\n};\n\n"
           "/* LVGL 8 looks glyphs up through a cache of the font's own; 9 has none. */\n"
           "#if LVGL_VERSION_MAJOR == 8\nstatic lv_font_fmt_txt_glyph_cache_t cache;\n#endif\n\n"
           "static const lv_font_fmt_txt_dsc_t font_dsc = {\n"
           "    .glyph_bitmap = glyph_bitmap,\n    .glyph_dsc = glyph_dsc,\n    .cmaps = cmaps,\n"
           "    .kern_dsc = NULL,\n    .kern_scale = 0,\n    .cmap_num = " +
           std::to_string(std::max<std::size_t>(cmaps.size(), 1)) +
           ",\n    .bpp = 1,\n"
           "    .kern_classes = 0,\n    .bitmap_format = 0,\n"
           "#if LVGL_VERSION_MAJOR == 8\n    .cache = &cache,\n#endif\n};\n\n"
           "const lv_font_t " +
           name +
           " = {\n"
           "    .get_glyph_dsc = lv_font_get_glyph_dsc_fmt_txt,\n"
           "    .get_glyph_bitmap = lv_font_get_bitmap_fmt_txt,\n"
           "    .line_height = " +
           std::to_string(cell.height) + ",\n    .base_line = " + std::to_string(-cell.bottom) +
           ",\n    .subpx = LV_FONT_SUBPX_NONE,\n"
           "    .underline_position = -1,\n    .underline_thickness = 1,\n"
           "    .dsc = &font_dsc,\n    .fallback = NULL,\n    .user_data = NULL,\n};\n";
}

}  // namespace

std::string lvglBitmapExport(const state::BitmapFont& font, const LvglBitmapOptions& options) {
    checkLimits(font, kLvglLimits);
    return lvglText(
        font, options.name,
        fontSummary(font) + " from fontedit for LVGL 8.3 and 9, " + characterSummary(font));
}

std::string lvglSource(const state::FontData& data, const std::string& name, int first) {
    return lvglText(classicBitmapFont(data, first), name,
                    "A 5 x 8 font of 96 glyphs from fontedit for LVGL 8.3 and 9, characters " +
                        std::to_string(first) + "-" +
                        std::to_string(first + state::kSavedCodes - 1));
}

}  // namespace fontedit::formats
