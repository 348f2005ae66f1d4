#include "formats/png/png_render.h"

#include <png.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "formats/common/font_bytes.h"
#include "pictures/dot_canvas.h"
#include "pictures/sheet_grid.h"
#include "pictures/text_canvas.h"
#include "pictures/text_glyphs.h"
#include "state/failure.h"

namespace fontedit::formats {

std::string encodedPng(const pictures::DotCanvas& canvas) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(canvas.width());
    image.height = static_cast<png_uint_32>(canvas.height());
    image.format = PNG_FORMAT_RGB;
    // Pictures of dots are flat colour, which zlib's fastest level packs nearly as well; and one
    // pass into room for the worst case costs half of measuring first. The room is left
    // uninitialised, so that only the pages the PNG fills take memory.
    image.flags = PNG_IMAGE_FLAG_FAST;
    png_alloc_size_t size = PNG_IMAGE_PNG_SIZE_MAX(image);
    const std::unique_ptr<char[]> room(new char[size]);
    if (png_image_write_to_memory(&image, room.get(), &size, 0, canvas.pixels().data(), 0,
                                  nullptr)) {
        return std::string(room.get(), size);
    }
    throw state::Failure(state::Cause::PngNotEncoded, {.value = image.message});
}

namespace {

pictures::LabelOf labelsOf(const state::FontData& data) {
    return [&data](int code) -> std::string_view { return data.labels[code]; };
}

pictures::GlyphOf glyphsOf(const state::FontData& data) {
    return [&data](int code) { return glyphBytes(data, code); };
}

}  // namespace

std::string textPng(const state::FontData& data, std::string_view text, int scale,
                    const pictures::DisplayLook& look) {
    if (text.empty()) throw std::invalid_argument("no text to render");
    std::vector<std::optional<int>> codes;
    for (const pictures::TextGlyph& glyph : pictures::textGlyphs(text, labelsOf(data))) {
        if (!glyph.code) {
            throw state::Failure(state::Cause::NoGlyphForCharacter,
                                 state::Facts{.value = std::string(glyph.character)});
        }
        codes.push_back(glyph.code);
    }
    return encodedPng(pictures::lineCanvas(codes, scale, look, glyphsOf(data)));
}

std::string sheetPng(const state::FontData& data, int scale, const pictures::DisplayLook& look) {
    pictures::DotCanvas canvas(pictures::kSheetWidthDots, pictures::kSheetHeightDots, scale, look);
    for (int code = 0; code < state::kSavedCodes; ++code) {
        canvas.drawGlyph(glyphBytes(data, code), pictures::sheetGlyphLeft(code),
                         pictures::sheetGlyphTop(code));
    }
    return encodedPng(canvas);
}

PanelPicture panelPng(const state::FontData& data, std::string_view text, pictures::PanelSize size,
                      int scale, const pictures::DisplayLook& look) {
    PanelPicture picture{{}, pictures::panelText(text, size, labelsOf(data))};
    picture.png =
        encodedPng(pictures::panelCanvas(picture.text, size, scale, look, glyphsOf(data)));
    return picture;
}

}  // namespace fontedit::formats
