#include "formats/registry.h"

#include <algorithm>
#include <array>
#include <vector>

#include "formats/c/c_text.h"
#include "formats/common/bitmap_readers.h"
#include "formats/common/bitmap_writers.h"
#include "formats/common/font_bytes.h"
#include "formats/console/psf_export.h"
#include "formats/libraries/gfxfont.h"
#include "formats/libraries/glcdfont.h"
#include "formats/libraries/hd44780.h"
#include "formats/libraries/lvgl.h"
#include "formats/libraries/max72xx.h"
#include "formats/libraries/u8g2.h"
#include "formats/libraries/u8x8.h"
#include "formats/marks.h"
#include "formats/own/header_export.h"
#include "formats/x11/bdf_document.h"
#include "state/failure.h"

namespace fontedit::formats {
namespace {

template <const std::string_view& Mark>
bool opensWith(std::string_view bytes) {
    return bytes.starts_with(Mark);
}

template <const std::string_view& Mark>
bool declares(std::string_view bytes) {
    return bytes.find(Mark) != std::string_view::npos;
}

// The settings' name as a C symbol: "5x8" of 5x8.pcf.gz becomes "_5x8".
std::string symbolOf(const BitmapWriteSettings& settings) {
    return cIdentifierFrom(settings.name);
}

// A table holds no cell of its own: the user names it.
const TableBitmapOptions& tableOf(const BitmapReadSettings& settings) {
    if (!settings.table) throw state::Failure(state::Cause::CellNotGiven, {});
    return *settings.table;
}

constexpr std::string_view kCExtensions[] = {".c", ".h"};
constexpr std::string_view kBdfExtensions[] = {".bdf"};
constexpr std::string_view kBinExtensions[] = {".bin"};
constexpr std::string_view kPngExtensions[] = {".png"};
constexpr std::string_view kPsfExtensions[] = {".psf"};

using state::BitmapFont;
using state::FontData;
using Read = BitmapReadSettings;
using Write = BitmapWriteSettings;

constexpr std::array kRows{
    FormatInfo{
        .format = Format::Header,
        .word = "header",
        .write = [](const FontData& data, const ExportSettings&) { return headerBytes(data); },
        .fileName = kHeaderFileName,
        .exportSummary = "the editor's font.h, to be finished by hand",
    },
    FormatInfo{
        .format = Format::C,
        .word = "c",
        .read = importCTable,
        .title = "C",
        .summary = "a table of glyph bytes in C source, anything with no other mark",
        .patterns = "*.c *.h",
        .reads = kReadsArray | kReadsShape,
        .write = [](const FontData& data,
                    const ExportSettings& settings) { return cSourceBytes(data, settings.c); },
        .fileName = "font.c",
        .exportSummary = "a C source that compiles as it stands",
        .takes =
            kTakesName | kTakesLayout | kTakesMsbTop | kTakesProgmem | kTakesCodes | kTakesMsbLeft,
        .readBitmap = [](std::string_view bytes,
                         const Read& settings) { return cBitmapImport(bytes, tableOf(settings)); },
        .writeBitmap =
            [](const BitmapFont& font, const Write& settings) {
                return cBitmapExport(font, {.name = symbolOf(settings),
                                            .layout = settings.layout,
                                            .msbFirst = settings.msbFirst,
                                            .progmem = settings.progmem});
            },
        .extensions = kCExtensions,
        .converts = kConvertsName | kConvertsLayout | kConvertsProgmem | kConvertsCell |
                    kConvertsTable | kConvertsArray,
    },
    FormatInfo{
        .format = Format::Bdf,
        .word = "bdf",
        .read = importBdf,
        .title = "BDF",
        .summary = "an X11 font",
        .patterns = "*.bdf",
        .marked = isBdf,
        .reads = kReadsBaseline,
        .write = [](const FontData& data,
                    const ExportSettings& settings) { return bdfBytes(data, settings.first); },
        .fileName = "font.bdf",
        .exportSummary = "a BDF 2.1 font",
        .takes = kTakesFirst,
        .readBitmap = [](std::string_view bytes, const Read&) { return readBdf(bytes); },
        .writeBitmap = [](const BitmapFont& font,
                          const Write& settings) { return bdfFromBitmapFont(font, settings.name); },
        .extensions = kBdfExtensions,
        .converts = kConvertsName,
    },
    FormatInfo{
        .format = Format::Pcf,
        .word = "pcf",
        .read = importPcf,
        .title = "PCF",
        .summary = "an X11 font",
        .patterns = "*.pcf",
        .marked = opensWith<kPcfMark>,
        .reads = kReadsBaseline,
        .readBitmap = [](std::string_view bytes, const Read&) { return readPcf(bytes); },
    },
    FormatInfo{
        .format = Format::Bin,
        .word = "bin",
        .read = importBinary,
        .title = "binary",
        .summary = "glyph bytes one after another, as export writes 480 of them",
        .patterns = "*.bin",
        .reads = kReadsShape,
        .write = [](const FontData& data,
                    const ExportSettings& settings) { return binaryBytes(data, settings.c.codes); },
        .fileName = "font.bin",
        .exportSummary = "the 480 column bytes",
        .takes = kTakesCodes,
        .readBitmap =
            [](std::string_view bytes, const Read& settings) {
                return binaryBitmapImport(bytes, tableOf(settings));
            },
        .writeBitmap = [](const BitmapFont& font, const Write&) { return rawGlyphs(font); },
        .extensions = kBinExtensions,
        .converts = kConvertsCell | kConvertsTable,
    },
    FormatInfo{
        .format = Format::Png,
        .word = "png",
        .read = importPng,
        .title = "PNG",
        .summary = "a sheet as render draws it, at any scale, or drawn on its grid in two colours",
        .patterns = "*.png",
        .marked = opensWith<kPngSignature>,
        .write = [](const FontData& data,
                    const ExportSettings& settings) { return sheetPng(data, settings.scale); },
        .fileName = "font.png",
        .exportSummary = "a PNG sheet of the 96 glyphs",
        .takes = kTakesScale,
        .readBitmap =
            [](std::string_view bytes, const Read& settings) {
                const TableBitmapOptions& table = tableOf(settings);
                return binaryBitmapImport(sheetCells(bytes, table.width, table.height),
                                          {.width = table.width,
                                           .height = table.height,
                                           .layout = CLayout::Rows,
                                           .msbFirst = true,
                                           .first = table.first});
            },
        .writeBitmap = [](const BitmapFont& font,
                          const Write& settings) { return sheetPng(font, settings.scale); },
        .extensions = kPngExtensions,
        .converts = kConvertsScale | kConvertsCell,
    },
    FormatInfo{
        .format = Format::TrueType,
        .word = "ttf",
        .read = importTrueType,
        .title = "TrueType/OpenType",
        .summary = "TrueType, OpenType, .otb, .ttc",
        .patterns = "*.ttf *.otf *.otb *.ttc",
        .marked = isSfnt,
        .reads = kReadsBaseline | kReadsFace,
        .readBitmap = [](std::string_view bytes,
                         const Read& settings) { return readTrueType(bytes, settings.import); },
        .converts = kConvertsFace,
    },
    FormatInfo{
        .format = Format::U8g2,
        .word = "u8g2",
        .read = importU8g2,
        .title = "u8g2",
        .summary = "a u8g2 font's source",
        .marked = declares<kU8g2Section>,
        .reads = kReadsBaseline,
        .write =
            [](const FontData& data, const ExportSettings& settings) {
                return u8g2Source(data, settings.c.name, settings.first);
            },
        .fileName = "u8g2_font.c",
        .exportSummary = "a u8g2 font, for u8g2.setFont()",
        .takes = kTakesName | kTakesFirst,
        .readBitmap = [](std::string_view bytes, const Read&) { return u8g2BitmapImport(bytes); },
        .writeBitmap =
            [](const BitmapFont& font, const Write& settings) {
                return u8g2BitmapExport(font, {symbolOf(settings)});
            },
        .converts = kConvertsName,
        .limits = kU8g2Limits,
    },
    FormatInfo{
        .format = Format::U8x8,
        .word = "u8x8",
        .read = importU8x8,
        .title = "u8x8",
        .summary = "a u8x8 tile font's source",
        .marked = declares<kU8x8Section>,
        .reads = kReadsBaseline,
        .write =
            [](const FontData& data, const ExportSettings& settings) {
                return u8x8Source(data, settings.c.name, settings.first);
            },
        .fileName = "u8x8_font.c",
        .exportSummary = "a u8x8 tile font, for u8x8.setFont()",
        .takes = kTakesName | kTakesFirst,
        .lastFirst = kLastU8x8First,
        .readBitmap = [](std::string_view bytes, const Read&) { return u8x8BitmapImport(bytes); },
        .writeBitmap =
            [](const BitmapFont& font, const Write& settings) {
                return u8x8BitmapExport(font, {symbolOf(settings)});
            },
        .converts = kConvertsName,
        .limits = kU8x8Limits,
    },
    FormatInfo{
        .format = Format::Lvgl,
        .word = "lvgl",
        .read = importLvgl,
        .title = "LVGL",
        .summary = "an LVGL font's source",
        .marked = declares<kLvglGlyphType>,
        .reads = kReadsBaseline,
        .write =
            [](const FontData& data, const ExportSettings& settings) {
                return lvglSource(data, settings.c.name, settings.first);
            },
        .fileName = "lvgl_font.c",
        .exportSummary =
            "an LVGL 8.3 and 9 font at 1 bit a pixel, for lv_obj_set_style_text_font()",
        .takes = kTakesName | kTakesFirst,
        .readBitmap = [](std::string_view bytes, const Read&) { return lvglBitmapImport(bytes); },
        .writeBitmap =
            [](const BitmapFont& font, const Write& settings) {
                return lvglBitmapExport(font, {symbolOf(settings)});
            },
        .converts = kConvertsName,
        .limits = kLvglLimits,
    },
    FormatInfo{
        .format = Format::GfxFont,
        .word = "gfxfont",
        .read = importGfxFont,
        .title = "GFXfont",
        .summary = "an Adafruit GFX font header",
        .marked = declares<kGfxGlyphType>,
        .write =
            [](const FontData& data, const ExportSettings& settings) {
                return gfxfontBytes(data, settings.c.name, settings.first);
            },
        .fileName = "font_gfx.h",
        .exportSummary = "an Adafruit GFX / TFT_eSPI GFXfont header for setFont",
        .takes = kTakesName | kTakesFirst,
        .readBitmap = [](std::string_view bytes,
                         const Read&) { return gfxfontBitmapImport(bytes); },
        .writeBitmap =
            [](const BitmapFont& font, const Write& settings) {
                return gfxfontBitmapExport(font, {symbolOf(settings)});
            },
        .converts = kConvertsName,
        .limits = kGfxLimits,
    },
    FormatInfo{
        .format = Format::GlcdFont,
        .word = "glcdfont",
        .write = [](const FontData& data,
                    const ExportSettings& settings) { return glcdfontBytes(data, settings.first); },
        .fileName = "glcdfont.c",
        .exportSummary = "a glcdfont.c for Adafruit GFX's classic font",
        .takes = kTakesFirst,
        .lastFirst = kLastGlcdFirst,
        .writeBitmap = [](const BitmapFont& font,
                          const Write&) { return glcdfontBitmapExport(font); },
        .limits = kGlcdLimits,
    },
    FormatInfo{
        .format = Format::Max72xx,
        .word = "max72xx",
        .marked = declares<kMax72xxType>,
        .write =
            [](const FontData& data, const ExportSettings& settings) {
                return max72xxBytes(data, settings.c.name, settings.first);
            },
        .fileName = "font_max72xx.h",
        .exportSummary = "an MD_MAX72XX / MD_Parola font table",
        .takes = kTakesName | kTakesFirst,
        .lastFirst = kLastMax72xxFirst,
        .readBitmap = [](std::string_view bytes,
                         const Read&) { return max72xxBitmapImport(bytes); },
        .writeBitmap =
            [](const BitmapFont& font, const Write& settings) {
                return max72xxBitmapExport(font, {symbolOf(settings)});
            },
        .converts = kConvertsName,
        .limits = kMax72xxLimits,
    },
    FormatInfo{
        .format = Format::Hd44780,
        .word = "hd44780",
        .write =
            [](const FontData& data, const ExportSettings& settings) {
                return hd44780Bytes(data, settings.c.name, settings.c.codes);
            },
        .fileName = "font_lcd.h",
        .exportSummary = "custom characters for a character LCD's createChar (default --codes 0-7)",
        .takes = kTakesName | kTakesCodes,
        .writeBitmap =
            [](const BitmapFont& font, const Write& settings) {
                return hd44780BitmapExport(font, {symbolOf(settings)});
            },
        .converts = kConvertsName,
        .limits = kHd44780Limits,
    },
    FormatInfo{
        .format = Format::Psf,
        .word = "psf",
        .read = importPsf,
        .title = "PSF",
        .summary = "a Linux console font",
        .patterns = "*.psf",
        .marked = isPsf,
        .write = [](const FontData& data,
                    const ExportSettings& settings) { return psfBytes(data, settings.first); },
        .fileName = "font.psf",
        .exportSummary = "a PSF2 console font for the Linux console's setfont",
        .takes = kTakesFirst,
        .readBitmap = [](std::string_view bytes, const Read&) { return readPsf(bytes); },
        .writeBitmap = [](const BitmapFont& font, const Write&) { return psf2Font(font); },
        .extensions = kPsfExtensions,
        .limits = kPsfLimits,
    },
};

std::vector<FormatInfo> rowsWith(bool (*has)(const FormatInfo&)) {
    std::vector<FormatInfo> rows;
    std::copy_if(kRows.begin(), kRows.end(), std::back_inserter(rows), has);
    return rows;
}

}  // namespace

std::span<const FormatInfo> formatRows() {
    return kRows;
}

const FormatInfo& formatInfo(Format format) {
    return *std::ranges::find(kRows, format, &FormatInfo::format);
}

const FormatInfo* formatNamed(std::string_view word) {
    const auto row = std::ranges::find(kRows, word, &FormatInfo::word);
    return row == kRows.end() ? nullptr : &*row;
}

std::span<const FormatInfo> importFormats() {
    static const std::vector<FormatInfo> rows =
        rowsWith([](const FormatInfo& row) { return row.read != nullptr; });
    return rows;
}

std::span<const FormatInfo> exportFormats() {
    static const std::vector<FormatInfo> rows =
        rowsWith([](const FormatInfo& row) { return row.write != nullptr; });
    return rows;
}

std::string formatsTaking(const BitmapFont& font) {
    std::string list;
    for (const FormatInfo& row : kRows) {
        if (row.writeBitmap != nullptr && holds(row.limits, font)) {
            list += (list.empty() ? "" : ", ") + std::string(row.word);
        }
    }
    return list;
}

}  // namespace fontedit::formats
