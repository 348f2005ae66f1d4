#include "formats/png_render.h"

#include <png.h>

#include <cstdint>
#include <vector>

#include "formats/dot_canvas.h"
#include "formats/font_bytes.h"
#include "formats/sheet_grid.h"
#include "formats/text_glyphs.h"
#include "state/failure.h"

namespace fontedit::formats {
namespace {

std::string encoded(const DotCanvas& canvas) {
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

LabelOf labelsOf(const state::FontData& data) {
    return [&data](int code) -> std::string_view { return data.labels[code]; };
}

}  // namespace

std::string textPng(const state::FontData& data, std::string_view text, int scale,
                    const DisplayLook& look) {
    if (text.empty()) throw std::invalid_argument("no text to render");
    std::vector<int> codes;
    for (const TextGlyph& glyph : textGlyphs(text, labelsOf(data))) {
        if (!glyph.code) {
            throw state::Failure(state::Cause::NoGlyphForCharacter,
                                 state::Facts{.value = std::string(glyph.character)});
        }
        codes.push_back(*glyph.code);
    }
    const int count = static_cast<int>(codes.size());
    DotCanvas canvas(kCharacterPitch * count - 1, state::kGlyphRows, scale, look);
    for (int i = 0; i < count; ++i) {
        canvas.drawGlyph(glyphBytes(data, codes[i]), i * kCharacterPitch, 0);
    }
    return encoded(canvas);
}

std::string sheetPng(const state::FontData& data, int scale, const DisplayLook& look) {
    DotCanvas canvas(kSheetWidthDots, kSheetHeightDots, scale, look);
    for (int code = 0; code < state::kSavedCodes; ++code) {
        canvas.drawGlyph(glyphBytes(data, code), sheetGlyphLeft(code), sheetGlyphTop(code));
    }
    return encoded(canvas);
}

PanelPicture panelPng(const state::FontData& data, std::string_view text, PanelSize size, int scale,
                      const DisplayLook& look) {
    PanelPicture picture{{}, panelText(text, size, labelsOf(data))};
    DotCanvas canvas(panelWidthDots(size), panelHeightDots(size), scale, look);
    for (int row = 0; row < size.rows; ++row) {
        for (int column = 0; column < size.columns; ++column) {
            const std::optional<int> code =
                picture.text.cells[static_cast<std::size_t>(row) * size.columns + column];
            canvas.drawGlyph(code ? glyphBytes(data, *code) : state::GlyphBytes{},
                             kPanelMargin + column * kPanelCellPitchX,
                             kPanelMargin + row * kPanelCellPitchY);
        }
    }
    picture.png = encoded(canvas);
    return picture;
}

}  // namespace fontedit::formats
