#pragma once

// The whole 8 x 8 JIS strike of misaki (Debian's fonts-misaki), read through FreeType, written
// as a u8g2 and an LVGL font; each export's time printed as "core-misaki-u8g2-seconds fontedit
// 0.12", the best of a few runs, and the glyph count as "core-misaki-glyphs fontedit 7000".
namespace fontedit::bench {

void reportMisakiExports();

}  // namespace fontedit::bench
