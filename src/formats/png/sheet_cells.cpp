#include <png.h>

#include <cstdint>
#include <vector>

#include "formats/common/bitmap_cell.h"
#include "formats/common/bitmap_readers.h"
#include "formats/common/bitmap_writers.h"
#include "formats/marks.h"
#include "pictures/sheet_grid.h"
#include "state/failure.h"

namespace fontedit::formats {

using state::Cause;
using state::Failure;

namespace {

// libpng's simplified reading, released however the reading ends.
struct SimpleImage {
    png_image image{};
    SimpleImage() { image.version = PNG_IMAGE_VERSION; }
    SimpleImage(const SimpleImage&) = delete;
    SimpleImage& operator=(const SimpleImage&) = delete;
    ~SimpleImage() { png_image_free(&image); }
};

}  // namespace

std::string sheetCells(std::string_view bytes, int width, int height) {
    if (!bytes.starts_with(kPngSignature)) throw Failure(Cause::NotPng, {});
    SimpleImage read;
    png_image& image = read.image;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) {
        throw Failure(Cause::PngNotDecoded, {.value = image.message});
    }
    // The sheet is the cells 16 to a row, two blank dots between and around them, at a
    // whole scale.
    const long long across =
        pictures::kSheetColumns * (width + pictures::kSheetGap) + pictures::kSheetGap;
    const long long pitchY = height + pictures::kSheetGap;
    const long long scale = image.width / across;
    const long long rows = scale > 0 ? (image.height / scale - pictures::kSheetGap) / pitchY : 0;
    if (scale < 1 || image.width != scale * across || rows < 1 ||
        image.height != scale * (rows * pitchY + pictures::kSheetGap) ||
        static_cast<long long>(image.width) * image.height > kMostSheetPixels) {
        throw Failure(Cause::SheetNotOfCell,
                      {.value = std::to_string(image.width) + " x " + std::to_string(image.height),
                       .needed = cellText(width, height)});
    }
    image.format = PNG_FORMAT_GRAY;
    std::vector<png_byte> pixels(PNG_IMAGE_SIZE(image));
    const png_color white{0xFF, 0xFF, 0xFF};
    if (!png_image_finish_read(&image, &white, pixels.data(), 0, nullptr)) {
        throw Failure(Cause::PngNotDecoded, {.value = image.message});
    }
    // A dot is lit when its pixels together are darker than mid grey.
    const auto lit = [&](long long dotX, long long dotY) {
        long long sum = 0;
        for (long long y = dotY * scale; y < (dotY + 1) * scale; ++y) {
            for (long long x = dotX * scale; x < (dotX + 1) * scale; ++x) {
                sum += pixels[static_cast<std::size_t>(y * image.width + x)];
            }
        }
        return sum < 128 * scale * scale;
    };
    const int rowBytes = state::rowByteCount(width);
    std::string cells;
    std::size_t inked = 0;  // the cells' bytes up to the last that holds a dot
    for (long long cell = 0; cell < rows * pictures::kSheetColumns; ++cell) {
        const long long left =
            pictures::kSheetGap + cell % pictures::kSheetColumns * (width + pictures::kSheetGap);
        const long long top = pictures::kSheetGap + cell / pictures::kSheetColumns * pitchY;
        for (int y = 0; y < height; ++y) {
            std::uint64_t row = 0;
            for (int x = 0; x < width; ++x) {
                if (lit(left + x, top + y)) row |= std::uint64_t{1} << x;
            }
            for (int index = 0; index < rowBytes; ++index) {
                cells += static_cast<char>(state::rowByte(row, width, index));
            }
            if (row != 0) inked = (static_cast<std::size_t>(cell) + 1) * rowBytes * height;
        }
    }
    cells.resize(inked);
    return cells;
}

}  // namespace fontedit::formats
