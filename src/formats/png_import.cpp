#include <png.h>

#include <algorithm>
#include <array>
#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <new>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "formats/font_import.h"
#include "formats/imported_glyphs.h"
#include "formats/png_render.h"
#include "formats/sheet_grid.h"
#include "state/failure.h"

namespace fontedit::formats {
namespace {

using state::Cause;
using state::Failure;

constexpr int kGlyphDotsAcross = kSheetColumns * state::kGlyphColumns;
constexpr int kGlyphDotsDown = kSheetRows * state::kGlyphRows;
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

std::int64_t luminance(const Rgb& colour) {
    return 299 * colour.r + 587 * colour.g + 114 * colour.b;
}

// The pixel with its alpha laid over white: a transparent ground is a light one.
Rgb overWhite(const png_byte* rgba) {
    const int alpha = rgba[3];
    const auto channel = [&](int value) {
        return (value * alpha + 255 * (255 - alpha) + 127) / 255;
    };
    return {channel(rgba[0]), channel(rgba[1]), channel(rgba[2])};
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
    const std::uint32_t scale = width / kSheetWidthDots;
    if (scale < 1 || scale > kLargestScale || width != scale * kSheetWidthDots ||
        height != scale * kSheetHeightDots) {
        throw Failure(Cause::SheetSize,
                      {.value = std::to_string(width) + " x " + std::to_string(height)});
    }
    return static_cast<int>(scale);
}

// What the pixels say about the glyphs' dots, gathered pixel by pixel in any order, so that
// an interlaced image needs no more memory than one row.
class SheetReading {
public:
    explicit SheetReading(int scale)
        : scale_(scale),
          dotAcross_(static_cast<std::size_t>(kSheetWidthDots) * scale),
          dotDown_(static_cast<std::size_t>(kSheetHeightDots) * scale),
          sums_(kGlyphDotsAcross * kGlyphDotsDown),
          centres_(sums_.size()) {
        glyphDots(dotAcross_, kSheetPitchX, state::kGlyphColumns);
        glyphDots(dotDown_, kSheetPitchY, state::kGlyphRows);
    }

    void take(std::size_t x, std::size_t y, const Rgb& colour) {
        const std::size_t bin = (colour.r >> 4) << 8 | (colour.g >> 4) << 4 | colour.b >> 4;
        if (pixels_[bin]++ == 0) binColour_[bin] = colour;
        const int across = dotAcross_[x];
        const int down = dotDown_[y];
        if (across < 0 || down < 0) return;
        const std::size_t dot = static_cast<std::size_t>(down) * kGlyphDotsAcross + across;
        sums_[dot].r += colour.r;
        sums_[dot].g += colour.g;
        sums_[dot].b += colour.b;
        const std::size_t middle = static_cast<std::size_t>(scale_ / 2);
        if (x % scale_ == middle && y % scale_ == middle) centres_[dot] = colour;
    }

    FontData font() const {
        FontData data;
        const std::optional<std::pair<Rgb, Rgb>> colours = lightAndDark();
        for (int code = 0; code < state::kSavedCodes; ++code) {
            std::uint8_t columns[state::kGlyphColumns] = {};
            const int left = code % kSheetColumns * state::kGlyphColumns;
            const int top = code / kSheetColumns * state::kGlyphRows;
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
    void glyphDots(std::vector<int>& dots, int pitch, int glyphDots) const {
        for (std::size_t pixel = 0; pixel < dots.size(); ++pixel) {
            const int dot = static_cast<int>(pixel / scale_) - kSheetGap;
            const bool inGlyph = dot >= 0 && dot % pitch < glyphDots;
            dots[pixel] = inGlyph ? dot / pitch * glyphDots + dot % pitch : -1;
        }
    }

    // The ground is the commonest colour and the ink the commonest one clearly apart from it,
    // or where that is a blend, as with a blurred image, the farthest common colour beyond it
    // on the same line. The lighter of the two is the ground all the same. None when the image
    // is of one colour.
    std::optional<std::pair<Rgb, Rgb>> lightAndDark() const {
        std::size_t ground = 0;
        for (std::size_t bin = 0; bin < pixels_.size(); ++bin) {
            if (pixels_[bin] > pixels_[ground]) ground = bin;
        }
        const Rgb groundColour = binColour_[ground];
        std::optional<std::size_t> ink;
        for (std::size_t bin = 0; bin < pixels_.size(); ++bin) {
            const Rgb apart = binColour_[bin] - groundColour;
            if (pixels_[bin] > 0 && apart.dot(apart) > kDistinct * kDistinct &&
                (!ink || pixels_[bin] > pixels_[*ink])) {
                ink = bin;
            }
        }
        if (!ink) return std::nullopt;
        Rgb inkColour = binColour_[*ink];
        const std::uint32_t common = pixels_[*ink] / kCommonShare;
        for (std::size_t bin = 0; bin < pixels_.size(); ++bin) {
            const double along = lineFraction(binColour_[bin], groundColour, inkColour);
            if (pixels_[bin] > common && along > 1 &&
                !far(distanceSquared(binColour_[bin], groundColour, inkColour, along))) {
                inkColour = binColour_[bin];
            }
        }
        Rgb light = groundColour;
        Rgb dark = inkColour;
        if (luminance(light) < luminance(dark)) std::swap(light, dark);
        for (std::size_t bin = 0; bin < pixels_.size(); ++bin) {
            const Rgb& colour = binColour_[bin];
            const double along = std::clamp(lineFraction(colour, light, dark), 0.0, 1.0);
            if (pixels_[bin] > 0 && far(distanceSquared(colour, light, dark, along))) {
                throw Failure(Cause::ThirdColour, {.value = hexColour(colour)});
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

    static std::string hexColour(const Rgb& colour) {
        char text[8];
        std::snprintf(text, sizeof text, "#%02X%02X%02X", static_cast<unsigned>(colour.r),
                      static_cast<unsigned>(colour.g), static_cast<unsigned>(colour.b));
        return text;
    }

    // A dot is lit when its pixels are on average nearer the dark colour; one exactly halfway,
    // as half its pixels dark, takes the colour of its centre pixel.
    bool dark(std::size_t dot, const Rgb& light, const Rgb& darkColour) const {
        const Rgb span = darkColour - light;
        const std::int64_t area = static_cast<std::int64_t>(scale_) * scale_;
        const Rgb& sum = sums_[dot];
        const Rgb offset{sum.r - area * light.r, sum.g - area * light.g, sum.b - area * light.b};
        const std::int64_t twice = 2 * offset.dot(span);
        const std::int64_t whole = area * span.dot(span);
        if (twice != whole) return twice > whole;
        return 2 * (centres_[dot] - light).dot(span) > span.dot(span);
    }

    int scale_;
    std::vector<int> dotAcross_;
    std::vector<int> dotDown_;
    std::vector<Rgb> sums_;
    std::vector<Rgb> centres_;
    // Pixels by colour, 4 bits a channel, each bin with the first colour seen in it.
    std::array<std::uint32_t, 4096> pixels_{};
    std::array<Rgb, 4096> binColour_{};
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
    row.resize(png_get_rowbytes(png, info));
    const bool interlaced = png_get_interlace_type(png, info) == PNG_INTERLACE_ADAM7;
    // Without libpng's interlace handling each pass comes as rows of its own pixels alone.
    for (int pass = 0; pass < (interlaced ? 7 : 1); ++pass) {
        const png_uint_32 rows = interlaced ? PNG_PASS_ROWS(height, pass) : height;
        const png_uint_32 columns = interlaced ? PNG_PASS_COLS(width, pass) : width;
        if (rows == 0 || columns == 0) continue;
        for (png_uint_32 y = 0; y < rows; ++y) {
            png_read_row(png, row.data(), nullptr);
            for (png_uint_32 x = 0; x < columns; ++x) {
                reading->take(interlaced ? PNG_COL_FROM_PASS_COL(x, pass) : x,
                              interlaced ? PNG_ROW_FROM_PASS_ROW(y, pass) : y,
                              overWhite(&row[x * 4]));
            }
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
    png_set_user_limits(read.png, kSheetWidthDots * kLargestScale,
                        kSheetHeightDots * kLargestScale);
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
