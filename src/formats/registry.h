#pragma once

// Every format fontedit reads or writes, a row each, listed once: the classic 5 x 8 font's
// reader and writer, the bitmap font's reader and writer at any cell, the options each takes
// and the limits of what it holds. Import's detection and dispatch, export's dispatch, the
// CLI's --format words, help and option checks and the window's filters all come from these
// rows. A new format is a room of its own and a row here.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "formats/common/bitmap_cell.h"
#include "formats/font_import.h"
#include "formats/png/png_render.h"
#include "formats/tables/c_bitmap.h"
#include "formats/tables/c_source_export.h"
#include "formats/x11/bdf_export.h"
#include "state/bitmap_font.h"
#include "state/font_data.h"

namespace fontedit::formats {

// In the order the CLI's help and the window's filters list them; detection asks the formats
// with a mark in this order too.
enum class Format {
    Header,
    C,
    Bdf,
    Pcf,
    Bin,
    Png,
    TrueType,
    U8g2,
    U8x8,
    Lvgl,
    GfxFont,
    GlcdFont,
    Max72xx,
    Hd44780,
    Psf
};
// What import reads and export writes are rows of the one list.
using ImportFormat = Format;
using ExportFormat = Format;

// What the user may say about an export of the classic font, beyond the format; each format
// reads what it takes.
struct ExportSettings {
    CSourceOptions c{};  // the C symbol's name, the layout, --codes and the bit orders
    int first = kDefaultFirstEncoding;  // the character glyph 0 stands for
    int scale = kDefaultScale;          // PNG: pixels a dot
};

// The export settings a format takes, as bits of FormatInfo::takes.
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

// The import options a format reads, as bits of FormatInfo::reads.
enum ImportSetting : std::uint32_t {
    kReadsArray = 1u << 0,
    kReadsShape = 1u << 1,  // --layout, --msb-top, --msb-left, --stride, --offset
    kReadsBaseline = 1u << 2,
    kReadsFace = 1u << 3,  // --size, --face, --charset
};

// What convert may say about reading a font at its own size.
struct BitmapReadSettings {
    ImportOptions import{};                     // TrueType: --size and --face
    std::optional<TableBitmapOptions> table{};  // tables and sheets: the cell they hold
};

// What convert may say about writing a font at its own size.
struct BitmapWriteSettings {
    std::string name = "font";  // the font's or table's name; a C symbol is made of it
    int scale = 1;              // png: pixels a dot
    CLayout layout = CLayout::Columns;
    bool msbFirst = false;
    bool progmem = false;
};

// The convert options a format takes, reading or writing, as bits of FormatInfo::converts.
enum ConvertSetting : std::uint32_t {
    kConvertsName = 1u << 0,
    kConvertsLayout = 1u << 1,   // --layout, --msb-first
    kConvertsProgmem = 1u << 2,  // --progmem
    kConvertsScale = 1u << 3,    // --scale
    kConvertsCell = 1u << 4,     // --cell, --first
    kConvertsTable = 1u << 5,    // --in-layout, --in-msb-first, --offset
    kConvertsArray = 1u << 6,    // --array
    kConvertsFace = 1u << 7,     // --size, --face
};

struct FormatInfo {
    Format format;
    std::string_view word;  // --format WORD

    // Read into the classic cell, by import and the window; null where it is not.
    ImportedFont (*read)(std::string_view bytes, const ImportOptions& options) = nullptr;
    std::string_view title{};     // how a list of the formats names it: "BDF"
    std::string_view summary{};   // what import's --help says of it, after its word
    std::string_view patterns{};  // the window's file filter: "*.bdf"
    // Whether the bytes carry the format's mark; null for the formats told by elimination.
    bool (*marked)(std::string_view bytes) = nullptr;
    std::uint32_t reads = 0;  // ImportSetting bits

    // The classic font written, by export and the window; null where it is not.
    std::string (*write)(const state::FontData& data, const ExportSettings& settings) = nullptr;
    std::string_view fileName{};         // what export writes into the font's folder without -o
    std::string_view exportSummary{};    // one line for export's --help
    std::uint32_t takes = 0;             // ExportSetting bits
    int lastFirst = kLastFirstEncoding;  // the highest --first at which glyph 95 still fits

    // A bitmap font of any cell read and written, by convert; null where it is not.
    state::BitmapFont (*readBitmap)(std::string_view bytes,
                                    const BitmapReadSettings& settings) = nullptr;
    std::string (*writeBitmap)(const state::BitmapFont& font,
                               const BitmapWriteSettings& settings) = nullptr;
    std::span<const std::string_view> extensions{};  // of OUT, that choose this writer
    std::uint32_t converts = 0;                      // ConvertSetting bits
    FormatLimits limits{};                           // what writeBitmap takes
};

std::span<const FormatInfo> formatRows();
const FormatInfo& formatInfo(Format format);
// The row of `word`, or null.
const FormatInfo* formatNamed(std::string_view word);

// The rows that read or write the classic font, in their order.
std::span<const FormatInfo> importFormats();
std::span<const FormatInfo> exportFormats();

}  // namespace fontedit::formats
