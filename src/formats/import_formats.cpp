#include "formats/import_formats.h"

#include <algorithm>
#include <array>
#include <vector>

#include "formats/common/font_bytes.h"
#include "formats/marks.h"
#include "state/joined.h"

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

constexpr std::array kFormats{
    ImportFormatInfo{ImportFormat::C, "c", "C",
                     "a table of glyph bytes in C source, anything with no other mark", "*.c *.h",
                     nullptr, importCTable, kReadsArray | kReadsShape},
    ImportFormatInfo{ImportFormat::Bdf, "bdf", "BDF", "an X11 font", "*.bdf", isBdf, importBdf,
                     kReadsBaseline},
    ImportFormatInfo{ImportFormat::Pcf, "pcf", "PCF", "an X11 font", "*.pcf", opensWith<kPcfMark>,
                     importPcf, kReadsBaseline},
    ImportFormatInfo{ImportFormat::Bin, "bin", "binary",
                     "glyph bytes one after another, as export writes 480 of them", "*.bin",
                     nullptr, importBinary, kReadsShape},
    ImportFormatInfo{
        ImportFormat::Png, "png", "PNG",
        "a sheet as render draws it, at any scale, or drawn on its grid in two colours", "*.png",
        opensWith<kPngSignature>, importPng, 0},
    ImportFormatInfo{ImportFormat::TrueType, "ttf", "TrueType/OpenType",
                     "TrueType, OpenType, .otb, .ttc", "*.ttf *.otf *.otb *.ttc", isSfnt,
                     importTrueType, kReadsBaseline | kReadsFace},
    ImportFormatInfo{ImportFormat::U8g2, "u8g2", "u8g2", "a u8g2 font's source", "",
                     declares<kU8g2Section>, importU8g2, kReadsBaseline},
    ImportFormatInfo{ImportFormat::U8x8, "u8x8", "u8x8", "a u8x8 tile font's source", "",
                     declares<kU8x8Section>, importU8x8, kReadsBaseline},
    ImportFormatInfo{ImportFormat::Lvgl, "lvgl", "LVGL", "an LVGL font's source", "",
                     declares<kLvglGlyphType>, importLvgl, kReadsBaseline},
    ImportFormatInfo{ImportFormat::GfxFont, "gfxfont", "GFXfont", "an Adafruit GFX font header", "",
                     declares<kGfxGlyphType>, importGfxFont, 0},
    ImportFormatInfo{ImportFormat::Psf, "psf", "PSF", "a Linux console font", "*.psf", isPsf,
                     importPsf, 0},
};

bool isBinaryExport(std::string_view bytes) {
    return bytes.size() == kBinaryFontBytes && bytes.find('\0') != std::string_view::npos;
}

}  // namespace

std::span<const ImportFormatInfo> importFormats() {
    return kFormats;
}

const ImportFormatInfo& importFormatInfo(ImportFormat format) {
    return *std::ranges::find(kFormats, format, &ImportFormatInfo::format);
}

void requireImportSize(std::size_t bytes) {
    if (bytes > kMostImportBytes) throw state::Failure(state::Cause::FileTooLarge, {});
}

ImportFormat detectFormat(std::string_view bytes) {
    for (const ImportFormatInfo& info : kFormats) {
        if (info.marked != nullptr && info.marked(bytes)) return info.format;
    }
    return isBinaryExport(bytes) ? ImportFormat::Bin : ImportFormat::C;
}

ImportedFont importFont(ImportFormat format, std::string_view bytes, const ImportOptions& options) {
    return importFormatInfo(format).read(bytes, options);
}

ImportedFont importDetected(std::string_view bytes, const ImportOptions& options) {
    const ImportFormat format = detectFormat(bytes);
    if (format == ImportFormat::C || !isBinaryExport(bytes))
        return importFont(format, bytes, options);
    try {
        return importFont(format, bytes, options);
    } catch (const state::Failure&) {
        return importBinary(bytes, options);
    }
}

std::vector<std::string> importWordsReading(std::uint32_t setting) {
    std::vector<std::string> words;
    for (const ImportFormatInfo& info : kFormats) {
        if ((info.reads & setting) != 0) words.emplace_back(info.word);
    }
    return words;
}

std::vector<std::string> importTitles() {
    std::vector<std::string> titles;
    titles.reserve(kFormats.size());
    for (const ImportFormatInfo& info : kFormats) titles.emplace_back(info.title);
    return titles;
}

std::string importPatterns() {
    std::vector<std::string> patterns;
    for (const ImportFormatInfo& info : kFormats) {
        if (!info.patterns.empty()) patterns.emplace_back(info.patterns);
    }
    patterns.emplace_back("*.gz");
    return state::joined(patterns, " ");
}

}  // namespace fontedit::formats
