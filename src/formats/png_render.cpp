#include "formats/png_render.h"

#include <png.h>

#include <cstdint>
#include <vector>

#include "formats/font_bytes.h"
#include "formats/sheet_grid.h"
#include "formats/text_glyphs.h"
#include "state/failure.h"

namespace fontedit::formats {
namespace {

constexpr std::uint8_t kLit[3] = {255, 8, 0};

// An RGB picture measured in dots, drawn white and then lit dot by dot.
class Picture {
public:
    Picture(int widthDots, int heightDots, int scale)
        : width_(widthDots * scale),
          height_(heightDots * scale),
          scale_(scale),
          pixels_(static_cast<std::size_t>(width_) * height_ * 3, 0xFF) {}

    void drawGlyph(const state::GlyphBytes& columns, int leftDot, int topDot) {
        for (int column = 0; column < state::kGlyphColumns; ++column) {
            for (int row = 0; row < state::kGlyphRows; ++row) {
                if (dotLit(columns[column], row)) light(leftDot + column, topDot + row);
            }
        }
    }

    std::string png() const {
        png_image image{};
        image.version = PNG_IMAGE_VERSION;
        image.width = static_cast<png_uint_32>(width_);
        image.height = static_cast<png_uint_32>(height_);
        image.format = PNG_FORMAT_RGB;
        png_alloc_size_t size = 0;
        if (png_image_write_get_memory_size(image, size, 0, pixels_.data(), 0, nullptr)) {
            std::string bytes(size, '\0');
            if (png_image_write_to_memory(&image, bytes.data(), &size, 0, pixels_.data(), 0,
                                          nullptr)) {
                bytes.resize(size);
                return bytes;
            }
        }
        throw state::Failure(state::Cause::PngNotEncoded, {.value = image.message});
    }

private:
    void light(int xDot, int yDot) {
        for (int y = yDot * scale_; y < (yDot + 1) * scale_; ++y) {
            for (int x = xDot * scale_; x < (xDot + 1) * scale_; ++x) {
                std::uint8_t* pixel = &pixels_[(static_cast<std::size_t>(y) * width_ + x) * 3];
                std::copy(std::begin(kLit), std::end(kLit), pixel);
            }
        }
    }

    int width_;
    int height_;
    int scale_;
    std::vector<std::uint8_t> pixels_;
};

}  // namespace

std::string textPng(const state::FontData& data, std::string_view text, int scale) {
    if (text.empty()) throw std::invalid_argument("no text to render");
    std::vector<int> codes;
    for (const TextGlyph& glyph :
         textGlyphs(text, [&data](int code) -> std::string_view { return data.labels[code]; })) {
        if (!glyph.code) {
            throw state::Failure(state::Cause::NoGlyphForCharacter,
                                 state::Facts{.value = std::string(glyph.character)});
        }
        codes.push_back(*glyph.code);
    }
    const int count = static_cast<int>(codes.size());
    Picture picture(kCharacterPitch * count - 1, state::kGlyphRows, scale);
    for (int i = 0; i < count; ++i) {
        picture.drawGlyph(glyphBytes(data, codes[i]), i * kCharacterPitch, 0);
    }
    return picture.png();
}

std::string sheetPng(const state::FontData& data, int scale) {
    Picture picture(kSheetWidthDots, kSheetHeightDots, scale);
    for (int code = 0; code < state::kSavedCodes; ++code) {
        picture.drawGlyph(glyphBytes(data, code), sheetGlyphLeft(code), sheetGlyphTop(code));
    }
    return picture.png();
}

}  // namespace fontedit::formats
