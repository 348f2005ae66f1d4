#include "formats/png_render.h"

#include <png.h>

#include <cstdint>
#include <vector>

#include "formats/dot_canvas.h"
#include "formats/font_bytes.h"
#include "formats/sheet_grid.h"
#include "formats/text_canvas.h"
#include "formats/text_glyphs.h"
#include "state/failure.h"

namespace fontedit::formats {

std::string encodedPng(const DotCanvas& canvas) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(canvas.width());
    image.height = static_cast<png_uint_32>(canvas.height());
    image.format = PNG_FORMAT_RGB;
    // Pictures of dots are flat colour, which zlib's fastest level packs nearly as well; and one
    // pass into room for the worst case costs half of measuring first.
    image.flags = PNG_IMAGE_FLAG_FAST;
    std::string bytes(PNG_IMAGE_PNG_SIZE_MAX(image), '\0');
    png_alloc_size_t size = bytes.size();
    if (png_image_write_to_memory(&image, bytes.data(), &size, 0, canvas.pixels().data(), 0,
                                  nullptr)) {
        bytes.resize(size);
        return bytes;
    }
    throw state::Failure(state::Cause::PngNotEncoded, {.value = image.message});
}

namespace {

LabelOf labelsOf(const state::FontData& data) {
    return [&data](int code) -> std::string_view { return data.labels[code]; };
}

GlyphOf glyphsOf(const state::FontData& data) {
    return [&data](int code) { return glyphBytes(data, code); };
}

}  // namespace

std::string textPng(const state::FontData& data, std::string_view text, int scale,
                    const DisplayLook& look) {
    if (text.empty()) throw std::invalid_argument("no text to render");
    std::vector<std::optional<int>> codes;
    for (const TextGlyph& glyph : textGlyphs(text, labelsOf(data))) {
        if (!glyph.code) {
            throw state::Failure(state::Cause::NoGlyphForCharacter,
                                 state::Facts{.value = std::string(glyph.character)});
        }
        codes.push_back(glyph.code);
    }
    return encodedPng(lineCanvas(codes, scale, look, glyphsOf(data)));
}

std::string sheetPng(const state::FontData& data, int scale, const DisplayLook& look) {
    DotCanvas canvas(kSheetWidthDots, kSheetHeightDots, scale, look);
    for (int code = 0; code < state::kSavedCodes; ++code) {
        canvas.drawGlyph(glyphBytes(data, code), sheetGlyphLeft(code), sheetGlyphTop(code));
    }
    return encodedPng(canvas);
}

PanelPicture panelPng(const state::FontData& data, std::string_view text, PanelSize size, int scale,
                      const DisplayLook& look) {
    PanelPicture picture{{}, panelText(text, size, labelsOf(data))};
    picture.png = encodedPng(panelCanvas(picture.text, size, scale, look, glyphsOf(data)));
    return picture;
}

}  // namespace fontedit::formats
