#include <png.h>

#include <algorithm>
#include <array>
#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <new>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "formats/common/imported_glyphs.h"
#include "formats/font_import.h"
#include "formats/png/png_render.h"
#include "pictures/sheet_grid.h"
#include "state/failure.h"

namespace fontedit::formats {
namespace {

using state::Cause;
using state::Failure;

constexpr int kGlyphDotsAcross = pictures::kSheetColumns * state::kGlyphColumns;
constexpr int kGlyphDotsDown = pictures::kSheetRows * state::kGlyphRows;
// Colours nearer each other than this, in RGB of 0-255 a channel, are one colour drawn a little
// off; a pixel this far from every blend of the two sheet colours is a third colour. Blends
// that an editor mixes in linear light bow up to about 90 away from the straight line.
constexpr std::int64_t kDistinct = 96;
// A colour beyond the ink on its line is taken for it when it covers at least this share of
// the ink's pixels; fewer are stray pixels.
constexpr std::uint32_t kCommonShare = 16;
// Ancillary chunks such as ICC profiles and text are inflated whole; none of them is needed.
constexpr png_alloc_size_t kLargestChunk = 1 << 20;

struct Rgb {
    std::int64_t r = 0, g = 0, b = 0;

    Rgb operator-(const Rgb& other) const { return {r - other.r, g - other.g, b - other.b}; }
    std::int64_t dot(const Rgb& other) const { return r * other.r + g * other.g + b * other.b; }
};

// Rec. 601 luma, a thousand times over.
std::int64_t luminance(const Rgb& colour) {
    return 299 * colour.r + 587 * colour.g + 114 * colour.b;
}

// A pixel as 0xRRGGBB, its alpha laid over white: a transparent ground is a light one.
// Opaque pixels come out as they are.
std::uint32_t overWhite(const png_byte* rgba) {
    const unsigned alpha = rgba[3];
    const auto channel = [&](unsigned value) {
        return (value * alpha + 0xFF * (0xFF - alpha) + 127) / 0xFF;
    };
    return channel(rgba[0]) << 16 | channel(rgba[1]) << 8 | channel(rgba[2]);
}

Rgb unpacked(std::uint32_t colour) {
    return {colour >> 16, colour >> 8 & 0xFF, colour & 0xFF};
}

// The image's width and height from its IHDR chunk, which comes first in every PNG: known
// before libpng is asked for anything.
std::optional<std::pair<std::uint32_t, std::uint32_t>> declaredSize(std::string_view bytes) {
    constexpr std::size_t kIhdrAt = kPngSignature.size() + 4;
    if (bytes.size() < kIhdrAt + 12 || bytes.substr(kIhdrAt, 4) != "IHDR") return std::nullopt;
    const auto word = [&](std::size_t at) {
        std::uint32_t value = 0;
        for (std::size_t i = at; i < at + 4; ++i) {
            value = value << 8 | static_cast<unsigned char>(bytes[i]);
        }
        return value;
    };
    return std::pair(word(kIhdrAt + 4), word(kIhdrAt + 8));
}

// How many pixels a dot takes on each side of a sheet this large; refused when it is no sheet.
int sheetScale(std::uint32_t width, std::uint32_t height) {
    const std::uint32_t scale = width / pictures::kSheetWidthDots;
    if (scale < 1 || scale > kLargestScale || width != scale * pictures::kSheetWidthDots ||
        height != scale * pictures::kSheetHeightDots) {
        throw Failure(Cause::SheetSize,
                      {.value = std::to_string(width) + " x " + std::to_string(height)});
    }
    return static_cast<int>(scale);
}

// What the pixels say about the glyphs' dots, gathered a row of pixels at a time in any
// order, so that an interlaced image needs no more memory than one row.
class SheetReading {
public:
    explicit SheetReading(int scale)
        : dotAcross_(static_cast<std::size_t>(pictures::kSheetWidthDots) * scale),
          dotDown_(static_cast<std::size_t>(pictures::kSheetHeightDots) * scale),
          area_(static_cast<std::int64_t>(scale) * scale) {
        glyphDots(dotAcross_, pictures::kSheetPitchX, state::kGlyphColumns, scale);
        glyphDots(dotDown_, pictures::kSheetPitchY, state::kGlyphRows, scale);
    }

    // `count` pixels of row `y` as RGBA, from `x` on, `step` apart. Every pixel of the image
    // passes here, so the loop reads its table through a plain pointer, checked once, and
    // counts the colours of a run of equal pixels at its end.
    void takeRow(std::size_t y, const png_byte* rgba, std::size_t x, std::size_t step,
                 std::size_t count) {
        if (count == 0 || x + (count - 1) * step >= dotAcross_.size()) {
            throw std::out_of_range("no row or a pixel past the sheet's width");
        }
        const int down = dotDown_.at(y);
        DotSum* sums = down < 0 ? nullptr : &sums_[down * kGlyphDotsAcross];
        const int* across = dotAcross_.data() + x;
        std::uint32_t run = overWhite(rgba);
        std::uint32_t length = 0;
        for (std::size_t i = 0; i < count; ++i, rgba += 4, across += step) {
            const std::uint32_t colour = overWhite(rgba);
            if (colour != run) {
                countPixels(run, length);
                run = colour;
                length = 0;
            }
            ++length;
            if (sums && *across >= 0) {
                DotSum& sum = sums[*across];
                sum.r += colour >> 16;
                sum.g += colour >> 8 & 0xFF;
                sum.b += colour & 0xFF;
            }
        }
        countPixels(run, length);
    }

    state::FontData font() const {
        state::FontData data;
        const std::optional<std::pair<Rgb, Rgb>> colours = lightAndDark();
        for (int code = 0; code < state::kSavedCodes; ++code) {
            std::uint8_t columns[state::kGlyphColumns] = {};
            const int left = code % pictures::kSheetColumns * state::kGlyphColumns;
            const int top = code / pictures::kSheetColumns * state::kGlyphRows;
            for (int column = 0; column < state::kGlyphColumns && colours; ++column) {
                for (int row = 0; row < state::kGlyphRows; ++row) {
                    const std::size_t dot =
                        static_cast<std::size_t>(top + row) * kGlyphDotsAcross + left + column;
                    if (dark(dot, colours->first, colours->second)) columns[column] |= 1 << row;
                }
            }
            setGlyph(data, code, columns);
        }
        return data;
    }

private:
    // For each pixel across (or down) the sheet, its dot counted over the glyphs alone, or -1
    // in the blank dots between and around them.
    static void glyphDots(std::vector<int>& dots, int pitch, int glyphDots, int scale) {
        for (std::size_t pixel = 0; pixel < dots.size(); ++pixel) {
            const int dot = static_cast<int>(pixel) / scale - pictures::kSheetGap;
            const bool inGlyph = dot >= 0 && dot % pitch < glyphDots;
            dots[pixel] = inGlyph ? dot / pitch * glyphDots + dot % pitch : -1;
        }
    }

    void countPixels(std::uint32_t colour, std::uint32_t count) {
        const std::uint32_t bin =
            (colour >> 12 & 0xF00) | (colour >> 8 & 0xF0) | (colour >> 4 & 0xF);
        if (pixels_[bin] == 0) {
            binColour_[bin] = colour;
            usedBins_.push_back(bin);
        }
        pixels_[bin] += count;
    }

    // The ground is the commonest colour and the ink the commonest one clearly apart from it,
    // or where that is a blend, as with a blurred image, the farthest common colour beyond it
    // on the same line. The lighter of the two is the ground all the same. None when the image
    // is of one colour.
    std::optional<std::pair<Rgb, Rgb>> lightAndDark() const {
        std::uint32_t ground = usedBins_.front();
        for (const std::uint32_t bin : usedBins_) {
            if (pixels_[bin] > pixels_[ground]) ground = bin;
        }
        const Rgb groundColour = unpacked(binColour_[ground]);
        std::optional<std::uint32_t> ink;
        for (const std::uint32_t bin : usedBins_) {
            const Rgb apart = unpacked(binColour_[bin]) - groundColour;
            if (apart.dot(apart) > kDistinct * kDistinct &&
                (!ink || pixels_[bin] > pixels_[*ink])) {
                ink = bin;
            }
        }
        if (!ink) return std::nullopt;
        Rgb inkColour = unpacked(binColour_[*ink]);
        const std::uint32_t common = pixels_[*ink] / kCommonShare;
        for (const std::uint32_t bin : usedBins_) {
            const Rgb colour = unpacked(binColour_[bin]);
            const double along = lineFraction(colour, groundColour, inkColour);
            if (pixels_[bin] > common && along > 1 &&
                !far(distanceSquared(colour, groundColour, inkColour, along))) {
                inkColour = colour;
            }
        }
        Rgb light = groundColour;
        Rgb dark = inkColour;
        if (luminance(light) < luminance(dark)) std::swap(light, dark);
        for (const std::uint32_t bin : usedBins_) {
            const Rgb colour = unpacked(binColour_[bin]);
            const double along = std::clamp(lineFraction(colour, light, dark), 0.0, 1.0);
            if (far(distanceSquared(colour, light, dark, along))) {
                throw Failure(Cause::ThirdColour, {.value = hexColour(binColour_[bin])});
            }
        }
        return std::pair(light, dark);
    }

    // Where `colour` falls on the line from `from` (0) to `to` (1).
    static double lineFraction(const Rgb& colour, const Rgb& from, const Rgb& to) {
        const Rgb span = to - from;
        return static_cast<double>((colour - from).dot(span)) / static_cast<double>(span.dot(span));
    }

    // From `colour` to the point `along` the line from `from` to `to`, squared.
    static double distanceSquared(const Rgb& colour, const Rgb& from, const Rgb& to, double along) {
        const Rgb span = to - from;
        const Rgb offset = colour - from;
        const double r = offset.r - along * span.r;
        const double g = offset.g - along * span.g;
        const double b = offset.b - along * span.b;
        return r * r + g * g + b * b;
    }

    static bool far(double distanceSquared) {
        return distanceSquared > static_cast<double>(kDistinct * kDistinct);
    }

    static std::string hexColour(std::uint32_t colour) {
        char text[8];
        std::snprintf(text, sizeof text, "#%06X", static_cast<unsigned>(colour));
        return text;
    }

    // A dot is lit when its pixels are on average nearer the dark colour than the light one:
    // when most are dark, and with blurred edges, when most of its ink is there.
    bool dark(std::size_t dot, const Rgb& light, const Rgb& darkColour) const {
        const Rgb span = darkColour - light;
        const DotSum& sum = sums_[dot];
        const Rgb offset{sum.r - area_ * light.r, sum.g - area_ * light.g, sum.b - area_ * light.b};
        return 2 * offset.dot(span) > area_ * span.dot(span);
    }

    // At most 64 x 64 pixels of 255.
    struct DotSum {
        std::uint32_t r, g, b;
    };

    std::vector<int> dotAcross_;
    std::vector<int> dotDown_;
    std::int64_t area_;
    // Each glyph dot's pixels added up; a plain array, zeroed in one go.
    std::array<DotSum, kGlyphDotsAcross * kGlyphDotsDown> sums_{};
    // Pixels by colour, 4 bits a channel, each bin with the first colour seen in it; the bins
    // in use, in the order first seen.
    std::array<std::uint32_t, 4096> pixels_{};
    std::array<std::uint32_t, 4096> binColour_;
    std::vector<std::uint32_t> usedBins_;
};

struct Decoder {
    std::string_view bytes;
    std::size_t at = 0;
    bool endedEarly = false;
    char message[160] = {};
};

void readInput(png_structp png, png_bytep out, std::size_t length) {
    auto& decoder = *static_cast<Decoder*>(png_get_io_ptr(png));
    if (length > decoder.bytes.size() - decoder.at) {
        decoder.endedEarly = true;
        png_error(png, "");
    }
    std::memcpy(out, decoder.bytes.data() + decoder.at, length);
    decoder.at += length;
}

[[noreturn]] void keepError(png_structp png, png_const_charp message) {
    auto& decoder = *static_cast<Decoder*>(png_get_error_ptr(png));
    std::snprintf(decoder.message, sizeof decoder.message, "%s", message);
    png_longjmp(png, 1);
}

void ignoreWarning(png_structp, png_const_charp) {}

// libpng's state for one image, released however the import ends.
struct PngRead {
    explicit PngRead(Decoder& decoder)
        : png(png_create_read_struct(PNG_LIBPNG_VER_STRING, &decoder, keepError, ignoreWarning)),
          info(png ? png_create_info_struct(png) : nullptr) {
        if (!info) {
            png_destroy_read_struct(&png, nullptr, nullptr);
            throw std::bad_alloc();
        }
    }
    PngRead(const PngRead&) = delete;
    PngRead& operator=(const PngRead&) = delete;
    ~PngRead() { png_destroy_read_struct(&png, &info, nullptr); }

    png_structp png;
    png_infop info;
};

// Every pixel as 8-bit RGBA into `reading`, whatever the image's colour type and depth. libpng
// reports failures by jumping back here, so this frame holds nothing with a destructor and
// all it changes lives in the caller.
bool decodeInto(png_structp png, png_infop info, std::vector<png_byte>& row,
                std::optional<SheetReading>& reading) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_read_info(png, info);
    const png_uint_32 width = png_get_image_width(png, info);
    const png_uint_32 height = png_get_image_height(png, info);
    reading.emplace(sheetScale(width, height));
    png_set_expand(png);
    png_set_scale_16(png);
    png_set_gray_to_rgb(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    png_read_update_info(png, info);
    row.resize(std::max<std::size_t>(png_get_rowbytes(png, info), std::size_t{width} * 4));
    const bool interlaced = png_get_interlace_type(png, info) == PNG_INTERLACE_ADAM7;
    // Without libpng's interlace handling each pass comes as rows of its own pixels alone.
    for (int pass = 0; pass < (interlaced ? 7 : 1); ++pass) {
        const png_uint_32 rows = interlaced ? PNG_PASS_ROWS(height, pass) : height;
        const png_uint_32 columns = interlaced ? PNG_PASS_COLS(width, pass) : width;
        if (rows == 0 || columns == 0) continue;
        for (png_uint_32 y = 0; y < rows; ++y) {
            png_read_row(png, row.data(), nullptr);
            reading->takeRow(interlaced ? PNG_ROW_FROM_PASS_ROW(y, pass) : y, row.data(),
                             interlaced ? PNG_PASS_START_COL(pass) : 0,
                             interlaced ? std::size_t{1} << PNG_PASS_COL_SHIFT(pass) : 1, columns);
        }
    }
    return true;
}

}  // namespace

ImportedFont importPng(std::string_view bytes, const ImportOptions& options) {
    if (!bytes.starts_with(kPngSignature)) throw Failure(Cause::NotPng, {});
    if (const auto size = declaredSize(bytes)) sheetScale(size->first, size->second);
    Decoder decoder{.bytes = bytes};
    const PngRead read(decoder);
    png_set_read_fn(read.png, &decoder, readInput);
    png_set_user_limits(read.png, pictures::kSheetWidthDots * kLargestScale,
                        pictures::kSheetHeightDots * kLargestScale);
    png_set_chunk_malloc_max(read.png, kLargestChunk);
    std::vector<png_byte> row;
    std::optional<SheetReading> reading;
    const bool decoded = decodeInto(read.png, read.info, row, reading);
    if (decoder.endedEarly) throw Failure(Cause::PngTruncated, {});
    if (!decoded) throw Failure(Cause::PngNotDecoded, {.value = decoder.message});
    ImportedFont font{.data = reading->font(), .notes = {}};
    labelFrom(options.first.value_or(0x20), font.data);
    return font;
}

}  // namespace fontedit::formats
