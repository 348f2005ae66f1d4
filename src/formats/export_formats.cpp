#include "formats/export_formats.h"

#include <algorithm>
#include <array>

#include "formats/common/font_bytes.h"
#include "formats/console/psf_export.h"
#include "formats/libraries/gfxfont_export.h"
#include "formats/libraries/glcdfont_export.h"
#include "formats/libraries/hd44780_export.h"
#include "formats/libraries/lvgl_export.h"
#include "formats/libraries/max72xx_export.h"
#include "formats/libraries/u8g2_export.h"
#include "formats/libraries/u8x8_export.h"
#include "formats/own/header_export.h"

namespace fontedit::formats {
namespace {

constexpr std::array kFormats{
    ExportFormatInfo{ExportFormat::Header, "header", kHeaderFileName,
                     "the editor's font.h, to be finished by hand", 0},
    ExportFormatInfo{
        ExportFormat::C, "c", "font.c", "a C source that compiles as it stands",
        kTakesName | kTakesLayout | kTakesMsbTop | kTakesProgmem | kTakesCodes | kTakesMsbLeft},
    ExportFormatInfo{ExportFormat::Bdf, "bdf", "font.bdf", "a BDF 2.1 font", kTakesFirst},
    ExportFormatInfo{ExportFormat::Bin, "bin", "font.bin", "the 480 column bytes", kTakesCodes},
    ExportFormatInfo{ExportFormat::Png, "png", "font.png", "a PNG sheet of the 96 glyphs",
                     kTakesScale},
    ExportFormatInfo{ExportFormat::U8g2, "u8g2", "u8g2_font.c", "a u8g2 font, for u8g2.setFont()",
                     kTakesName | kTakesFirst},
    ExportFormatInfo{ExportFormat::U8x8, "u8x8", "u8x8_font.c",
                     "a u8x8 tile font, for u8x8.setFont()", kTakesName | kTakesFirst,
                     kLastU8x8First},
    ExportFormatInfo{ExportFormat::Lvgl, "lvgl", "lvgl_font.c",
                     "an LVGL 8.3 and 9 font at 1 bit a pixel, for lv_obj_set_style_text_font()",
                     kTakesName | kTakesFirst},
    ExportFormatInfo{ExportFormat::GfxFont, "gfxfont", "font_gfx.h",
                     "an Adafruit GFX / TFT_eSPI GFXfont header for setFont",
                     kTakesName | kTakesFirst},
    ExportFormatInfo{ExportFormat::GlcdFont, "glcdfont", "glcdfont.c",
                     "a glcdfont.c for Adafruit GFX's classic font", kTakesFirst, kLastGlcdFirst},
    ExportFormatInfo{ExportFormat::Max72xx, "max72xx", "font_max72xx.h",
                     "an MD_MAX72XX / MD_Parola font table", kTakesName | kTakesFirst,
                     kLastMax72xxFirst},
    ExportFormatInfo{ExportFormat::Hd44780, "hd44780", "font_lcd.h",
                     "custom characters for a character LCD's createChar (default --codes 0-7)",
                     kTakesName | kTakesCodes},
    ExportFormatInfo{ExportFormat::Psf, "psf", "font.psf",
                     "a PSF2 console font for the Linux console's setfont", kTakesFirst},
};

}  // namespace

std::span<const ExportFormatInfo> exportFormats() {
    return kFormats;
}

const ExportFormatInfo& exportFormatInfo(ExportFormat format) {
    return *std::find_if(kFormats.begin(), kFormats.end(),
                         [format](const ExportFormatInfo& info) { return info.format == format; });
}

std::string exportBytes(ExportFormat format, const state::FontData& data,
                        const ExportSettings& settings) {
    switch (format) {
        case ExportFormat::Header:
            return headerBytes(data);
        case ExportFormat::C:
            return cSourceBytes(data, settings.c);
        case ExportFormat::Bdf:
            return bdfBytes(data, settings.first);
        case ExportFormat::Bin:
            return binaryBytes(data, settings.c.codes);
        case ExportFormat::Png:
            return sheetPng(data, settings.scale);
        case ExportFormat::U8g2:
            return u8g2Source(data, settings.c.name, settings.first);
        case ExportFormat::U8x8:
            return u8x8Source(data, settings.c.name, settings.first);
        case ExportFormat::Lvgl:
            return lvglSource(data, settings.c.name, settings.first);
        case ExportFormat::GfxFont:
            return gfxfontBytes(data, settings.c.name, settings.first);
        case ExportFormat::GlcdFont:
            return glcdfontBytes(data, settings.first);
        case ExportFormat::Max72xx:
            return max72xxBytes(data, settings.c.name, settings.first);
        case ExportFormat::Hd44780:
            return hd44780Bytes(data, settings.c.name, settings.c.codes);
        case ExportFormat::Psf:
            return psfBytes(data, settings.first);
    }
    return {};
}

}  // namespace fontedit::formats
