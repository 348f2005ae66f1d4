#include "formats/export_formats.h"

#include <algorithm>
#include <array>

#include "formats/font_bytes.h"
#include "formats/header_export.h"
#include "formats/psf_export.h"

namespace fontedit::formats {
namespace {

constexpr std::array kFormats{
    ExportFormatInfo{ExportFormat::Header, "header", kHeaderFileName,
                     "the editor's font.h, to be finished by hand", 0},
    ExportFormatInfo{ExportFormat::C, "c", "font.c", "a C source that compiles as it stands",
                     kTakesName | kTakesLayout | kTakesMsbTop | kTakesProgmem | kTakesCodes},
    ExportFormatInfo{ExportFormat::Bdf, "bdf", "font.bdf", "a BDF 2.1 font", kTakesFirst},
    ExportFormatInfo{ExportFormat::Bin, "bin", "font.bin", "the 480 column bytes", kTakesCodes},
    ExportFormatInfo{ExportFormat::Png, "png", "font.png", "a PNG sheet of the 96 glyphs",
                     kTakesScale},
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
        case ExportFormat::Psf:
            return psfBytes(data, settings.first);
    }
    return {};
}

}  // namespace fontedit::formats
