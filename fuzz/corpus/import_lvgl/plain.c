#include "lvgl/lvgl.h"
static LV_ATTRIBUTE_LARGE_CONST const uint8_t glyph_bitmap[] = {
    /* U+0041 */
    0x73, 0xe3, 0xdc, 0x38, 0xff, 0x80,
    /* U+0042 */
    0xf0, 0xf3, 0xcf, 0x3c,
    /* U+2588 */
    0xf8, 0xff, 0xeb, 0x80,
};
static const lv_font_fmt_txt_glyph_dsc_t glyph_dsc[] = {
    {.bitmap_index = 0, .adv_w = 0, .box_w = 0, .box_h = 0, .ofs_x = 0, .ofs_y = 0} /* id = 0 reserved */,
    {.bitmap_index = 0, .adv_w = 96, .box_w = 5, .box_h = 7, .ofs_x = 0, .ofs_y = 0},
    {.bitmap_index = 6, .adv_w = 96, .box_w = 5, .box_h = 5, .ofs_x = 0, .ofs_y = 2},
    {.bitmap_index = 10, .adv_w = 96, .box_w = 5, .box_h = 8, .ofs_x = 0, .ofs_y = -1}
};
static const uint16_t unicode_list_1[] = {0x0};
static const lv_font_fmt_txt_cmap_t cmaps[] = {
    {.range_start = 65, .range_length = 2, .glyph_id_start = 1, .unicode_list = NULL, .glyph_id_ofs_list = NULL, .list_length = 0, .type = LV_FONT_FMT_TXT_CMAP_FORMAT0_TINY},
    {.range_start = 9608, .range_length = 1, .glyph_id_start = 3, .unicode_list = unicode_list_1, .glyph_id_ofs_list = NULL, .list_length = 1, .type = LV_FONT_FMT_TXT_CMAP_SPARSE_TINY}
};
#if LVGL_VERSION_MAJOR >= 8
static const lv_font_fmt_txt_dsc_t font_dsc = {
#else
static lv_font_fmt_txt_dsc_t font_dsc = {
#endif
    .glyph_bitmap = glyph_bitmap, .glyph_dsc = glyph_dsc, .cmaps = cmaps, .kern_dsc = NULL,
    .kern_scale = 0, .cmap_num = 2, .bpp = 1, .kern_classes = 0, .bitmap_format = 0,
};
const lv_font_t f = {.line_height = 8, .base_line = 1, .dsc = &font_dsc};
