#pragma once

// The formats the font is written out in, listed once: the CLI's --format words and help, the
// window's file filters and the file each format writes without a name all come from this table.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "formats/png/png_render.h"
#include "formats/tables/c_source_export.h"
#include "formats/x11/bdf_export.h"
#include "state/font_data.h"

namespace fontedit::formats {

enum class ExportFormat {
    Header,
    C,
    Bdf,
    Bin,
    Png,
    U8g2,
    U8x8,
    Lvgl,
    GfxFont,
    GlcdFont,
    Max72xx,
    Hd44780,
    Psf
};

// What the user may say about an export, beyond the format; each format reads what it takes.
struct ExportSettings {
    CSourceOptions c{};  // the C symbol's name, the layout, --codes and the bit orders
    int first = kDefaultFirstEncoding;  // the character glyph 0 stands for
    int scale = kDefaultScale;          // PNG: pixels a dot
};

// The settings a format takes, as bits of ExportFormatInfo::takes.
enum ExportSetting : std::uint32_t {
    kTakesName = 1u << 0,
    kTakesLayout = 1u << 1,
    kTakesMsbTop = 1u << 2,
    kTakesProgmem = 1u << 3,
    kTakesCodes = 1u << 4,
    kTakesFirst = 1u << 5,
    kTakesScale = 1u << 6,
    kTakesMsbLeft = 1u << 7,
};

struct ExportFormatInfo {
    ExportFormat format;
    std::string_view word;               // --format WORD
    std::string_view fileName;           // what export writes into the font's folder without -o
    std::string_view summary;            // one line for --help and the window's file filter
    std::uint32_t takes;                 // ExportSetting bits
    int lastFirst = kLastFirstEncoding;  // the highest --first at which glyph 95 still fits
};

// In the order the CLI's help and the window's filters list them.
std::span<const ExportFormatInfo> exportFormats();
const ExportFormatInfo& exportFormatInfo(ExportFormat format);

// The file's bytes. Fails with CellNotAByte on the first cell that is not a byte, except for
// the header, which carries the cells as they stand.
std::string exportBytes(ExportFormat format, const state::FontData& data,
                        const ExportSettings& settings);

}  // namespace fontedit::formats
