// A random font through a random export and back through import with no options: every glyph
// comes back in its place, and nothing is guessed, whatever the bytes and the export's options.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "check.h"
#include "formats/common/font_bytes.h"
#include "formats/console/psf_export.h"
#include "formats/font_import.h"
#include "formats/import_formats.h"
#include "formats/png/png_render.h"
#include "formats/tables/c_source_export.h"
#include "formats/x11/bdf_export.h"
#include "state/conversions.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace fontedit;
    using formats::ImportFormat;
    FuzzedDataProvider input(data, size);
    const auto format =
        input.PickValueInArray({ImportFormat::C, ImportFormat::Bdf, ImportFormat::Bin,
                                ImportFormat::Png, ImportFormat::Psf});
    formats::CSourceOptions c;
    c.name = input.PickValueInArray({"Font", "font5x8", "_f", "cgram", "lcd_font2"});
    c.layout = input.ConsumeBool() ? state::GlyphLayout::Rows : state::GlyphLayout::Columns;
    c.msbTop = c.layout == state::GlyphLayout::Columns && input.ConsumeBool();
    c.progmem = input.ConsumeBool();
    if (input.ConsumeBool()) {
        const int from = input.ConsumeIntegralInRange(0, state::kSavedCodes - 1);
        const int to = input.ConsumeIntegralInRange(from, state::kSavedCodes - 1);
        for (int code = from; code <= to; ++code) c.codes.push_back(code);
    }
    const int first = input.ConsumeIntegralInRange(0, formats::kLastFirstEncoding);
    const int scale = input.ConsumeIntegralInRange(1, 3);

    state::FontData written;
    for (auto& glyph : written.cells) {
        for (std::string& cell : glyph)
            cell = state::hexText(input.ConsumeIntegral<std::uint8_t>());
    }
    std::string bytes;
    switch (format) {
        case ImportFormat::C:
            bytes = formats::cSourceBytes(written, c);
            break;
        case ImportFormat::Bdf:
            bytes = formats::bdfBytes(written, first);
            break;
        case ImportFormat::Bin:
            bytes = formats::binaryBytes(written);
            break;
        case ImportFormat::Psf:
            bytes = formats::psfBytes(written, first);
            break;
        default:
            bytes = formats::sheetPng(written, scale);
            break;
    }
    // A binary export has no mark, and its first glyphs may spell another format's.
    fuzz::require(format == ImportFormat::Bin || formats::detectFormat(bytes) == format,
                  "an export is told by its content");
    const formats::ImportedFont font = formats::importDetected(bytes, {});
    const std::vector<int> codes =
        format == ImportFormat::C && !c.codes.empty() ? c.codes : formats::allGlyphCodes();
    for (int code = 0; code < state::kSavedCodes; ++code) {
        const state::GlyphBytes expected = code < static_cast<int>(codes.size())
                                               ? formats::glyphBytes(written, codes[code])
                                               : state::GlyphBytes{};
        fuzz::require(formats::glyphBytes(font.data, code) == expected,
                      "every glyph comes back in its place");
    }
    for (const formats::ImportNote& note : font.notes) {
        fuzz::require(note.kind != formats::ImportNote::Kind::ShapeTaken,
                      "an export declares its shape");
    }
    return 0;
}
