#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_BITMAP_H
#include FT_MODULE_H
#include FT_OUTLINE_H

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "formats/common/bitmap_readers.h"
#include "formats/common/cell_font.h"
#include "formats/common/imported_glyphs.h"
#include "formats/font_import.h"
#include "formats/own/cell_texts.h"
#include "state/failure.h"

namespace fontedit::formats {
namespace {

using state::Cause;
using state::Failure;

// FreeType's own texts for its error codes, which it leaves out of Debian's build.
struct ErrorText {
    int code;
    const char* text;
};
#undef FTERRORS_H_
#define FT_ERRORDEF(e, v, s) {v, s},
#define FT_ERROR_START_LIST {
#define FT_ERROR_END_LIST }
constexpr ErrorText kErrorTexts[] =
#include FT_ERRORS_H
    ;

std::string errorText(FT_Error error) {
    for (const ErrorText& known : kErrorTexts) {
        if (known.code == error) return known.text;
    }
    return "error " + std::to_string(error);
}

void check(FT_Error error) {
    if (error) throw Failure(Cause::FontNotOpened, {.value = errorText(error)});
}

// Outline pixel fonts are drawn at a pixel size of their own; the search for it stops here, at
// glyphs far larger than the cell.
constexpr int kMostPixelsPerEm = 64;

// 26.6 fixed point, FreeType's unit for scaled outlines.
constexpr FT_Pos kPixel = 64;

// Scaled to pixels, a font drawn on a grid of its own units can leave a point one of FreeType's
// units, 1/64 of a pixel, off the corner it stands for, and one more where the em FreeType
// reads is rounded (1023 for Spleen's 1024); FreeType draws it on that corner all the same.
constexpr FT_Pos kCornerSlack = 2;
constexpr bool nearCorner(FT_Pos position) {
    const FT_Pos off = (position % kPixel + kPixel) % kPixel;
    return off <= kCornerSlack || off >= kPixel - kCornerSlack;
}
constexpr FT_Pos onCorner(FT_Pos position) {
    return (position + kPixel / 2) & -kPixel;
}

// FreeType's memory, counted: past a budget in proportion to the font an allocation fails, and
// the load that asked for it fails with FreeType's own error, so that no glyph of a small file
// can take the machine's memory.
class CappedMemory {
public:
    explicit CappedMemory(std::size_t fontBytes) : most_(kLeast + kPerFontByte * fontBytes) {
        record_.user = this;
        record_.alloc = [](FT_Memory memory, long size) -> void* {
            return self(memory)->resized(nullptr, static_cast<std::size_t>(size));
        };
        record_.free = [](FT_Memory memory, void* block) { self(memory)->release(block); };
        record_.realloc = [](FT_Memory memory, long, long size, void* block) -> void* {
            return self(memory)->resized(block, static_cast<std::size_t>(size));
        };
    }
    CappedMemory(const CappedMemory&) = delete;
    CappedMemory& operator=(const CappedMemory&) = delete;

    FT_Memory memory() { return &record_; }
    bool exhausted() const { return exhausted_; }

private:
    static constexpr std::size_t kLeast = 32 << 20, kPerFontByte = 4;
    // Each block is preceded by its size, kept a whole alignment unit wide.
    static constexpr std::size_t kHeader = alignof(std::max_align_t);

    static CappedMemory* self(FT_Memory memory) { return static_cast<CappedMemory*>(memory->user); }

    void* resized(void* block, std::size_t size) {
        char* start = block ? static_cast<char*>(block) - kHeader : nullptr;
        std::size_t old = 0;
        if (start) std::memcpy(&old, start, sizeof old);
        if (size > most_ || used_ - old > most_ - size) {
            exhausted_ = true;
            return nullptr;
        }
        char* moved = static_cast<char*>(std::realloc(start, size + kHeader));
        if (!moved) return nullptr;
        used_ = used_ - old + size;
        std::memcpy(moved, &size, sizeof size);
        return moved + kHeader;
    }
    void release(void* block) {
        if (!block) return;
        char* start = static_cast<char*>(block) - kHeader;
        std::size_t size = 0;
        std::memcpy(&size, start, sizeof size);
        used_ -= size;
        std::free(start);
    }

    FT_MemoryRec_ record_{};
    const std::size_t most_;
    std::size_t used_ = 0;
    bool exhausted_ = false;
};

struct Library {
    explicit Library(FT_Memory memory) {
        if (FT_New_Library(memory, &handle)) throw std::bad_alloc();
        FT_Add_Default_Modules(handle);
        FT_Set_Default_Properties(handle);
    }
    ~Library() { FT_Done_Library(handle); }
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;
    FT_Library handle = nullptr;
};

std::uint32_t bigEndian(std::string_view bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = 0; i < size; ++i) {
        value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    }
    return value;
}

struct Table {
    std::size_t offset = 0, length = 0;
};

// The tables of one face of an sfnt, as its directory lists them; FreeType reads the directory
// itself and refuses one cut short, but it takes a glyph past the end of its table, or of the
// file, for a blank one, and this is how such a glyph is told.
class SfntTables {
public:
    SfntTables(std::string_view bytes, long long face) : bytes_(bytes) {
        std::size_t directory = 0;
        if (bytes.starts_with("ttcf")) {
            const std::size_t entry = 12 + 4 * static_cast<std::size_t>(face);
            if (!holds(entry, 4)) return;
            directory = bigEndian(bytes, entry, 4);
        }
        if (!holds(directory, 12)) return;
        const std::size_t count = bigEndian(bytes, directory + 4, 2);
        for (std::size_t i = 0; i < count && holds(directory + 12 + 16 * i, 16); ++i) {
            const std::size_t record = directory + 12 + 16 * i;
            const std::string_view tag = bytes.substr(record, 4);
            const Table table{bigEndian(bytes, record + 8, 4), bigEndian(bytes, record + 12, 4)};
            if (!holds(table.offset, table.length)) {
                throw Failure(Cause::FontCutShort, {.value = std::string(tag)});
            }
            tables_.emplace_back(tag, table);
        }
    }

    std::optional<Table> find(std::string_view tag) const {
        for (const auto& [name, table] : tables_) {
            if (name == tag) return table;
        }
        return std::nullopt;
    }

    bool holds(std::size_t at, std::size_t size) const {
        return at <= bytes_.size() && size <= bytes_.size() - at;
    }
    std::uint32_t get(std::size_t at, int size) const {
        return holds(at, static_cast<std::size_t>(size)) ? bigEndian(bytes_, at, size) : 0;
    }

    // The outline of glyph `index` lies within glyf: its loca entries are there and in order.
    bool outlineWhole(FT_UInt index, bool longOffsets) const {
        const std::optional<Table> loca = find("loca"), glyf = find("glyf");
        if (!loca || !glyf) return true;
        const std::size_t entry = longOffsets ? 4 : 2;
        if ((index + std::size_t{2}) * entry > loca->length) return false;
        const std::size_t at = loca->offset + index * entry;
        const std::size_t scale = longOffsets ? 1 : 2;
        const std::size_t start = get(at, static_cast<int>(entry)) * scale;
        const std::size_t end = get(at + entry, static_cast<int>(entry)) * scale;
        return start <= end && end <= glyf->length;
    }

    // The bytes strike `strike` of sbix holds for glyph `index`; none without sbix, empty
    // for a glyph the strike lacks.
    std::optional<std::string_view> sbixGlyph(int strike, FT_UInt index) const {
        const std::optional<Table> sbix = find("sbix");
        if (!sbix) return std::nullopt;
        const std::size_t strikes = get(sbix->offset + 4, 4);
        if (strike < 0 || static_cast<std::size_t>(strike) >= strikes) return std::nullopt;
        const std::size_t start =
            sbix->offset + get(sbix->offset + 8 + 4 * static_cast<std::size_t>(strike), 4);
        const std::size_t from = get(start + 4 + 4 * std::size_t{index}, 4);
        const std::size_t to = get(start + 8 + 4 * std::size_t{index}, 4);
        if (to <= from) return std::string_view();
        if (!holds(start + from, to - from) || start + to > sbix->offset + sbix->length) {
            return bytes_.substr(0, 0);
        }
        return bytes_.substr(start + from, to - from);
    }

private:
    std::string_view bytes_;
    std::vector<std::pair<std::string_view, Table>> tables_;
};

// An sbix glyph's PNG larger than this on a side is drawn for no cell; FreeType would decode
// all of it before its size is looked at.
constexpr std::uint32_t kWidestStrikeImage = 1024;

using Face = std::unique_ptr<FT_FaceRec, decltype(&FT_Done_Face)>;

FT_Error openFace(const Library& library, std::string_view bytes, FT_Long index, Face& face) {
    FT_Face opened = nullptr;
    const FT_Error error =
        FT_New_Memory_Face(library.handle, reinterpret_cast<const FT_Byte*>(bytes.data()),
                           static_cast<FT_Long>(bytes.size()), index, &opened);
    face.reset(opened);
    return error;
}

// A glyph drawn by FreeType: its dots from the top row down, `top` rows above the baseline.
struct Drawn {
    CellGlyph glyph;
    std::string label{};
    long long left = 0, top = 0, rows = 0, width = 0, advance = 0;
    std::vector<bool> dots{};           // rows x width
    long long ascent = 0, descent = 0;  // rows above and below the baseline, all drawn or not
    bool beyond = false;                // it has ink past the part drawn
};

// A glyph name as a label: PostScript's printable ASCII, as the font files hold it.
std::string nameAsLabel(const std::string& name) {
    const bool printable =
        std::all_of(name.begin(), name.end(), [](char ch) { return ch > ' ' && ch < 0x7F; });
    return printable && keepsItsPlaceAsLabel(name) ? name : "";
}

struct BitmapCopy {
    explicit BitmapCopy(FT_Library library) : library(library) { FT_Bitmap_Init(&bitmap); }
    ~BitmapCopy() { FT_Bitmap_Done(library, &bitmap); }
    BitmapCopy(const BitmapCopy&) = delete;
    BitmapCopy& operator=(const BitmapCopy&) = delete;
    FT_Library library;
    FT_Bitmap bitmap;
};

class TrueTypeReader {
public:
    TrueTypeReader(std::string_view bytes, const ImportOptions& options)
        : bytes_(bytes),
          options_(options),
          first_(options.first.value_or(kDefaultFirst)),
          memory_(bytes.size()),
          library_(memory_.memory()),
          face_(chosenFace()),
          tables_(bytes, options.face.value_or(0)) {}

    ImportedFont read() {
        unicode_ = FT_Select_Charmap(face_.get(), FT_ENCODING_UNICODE) == 0;
        std::vector<std::pair<long long, FT_UInt>> glyphs;  // encoding, glyph index
        for (long long code = first_; code < first_ + state::kSavedCodes; ++code) {
            const char32_t character = characterOf(code);
            const FT_UInt index =
                character && face_->charmap ? FT_Get_Char_Index(face_.get(), character) : 0;
            if (index != 0) glyphs.emplace_back(code, index);
        }
        if (glyphs.empty()) throw Failure(Cause::NoCharacterInRange, {.value = firstText()});

        std::vector<Drawn> drawn;
        if (const std::optional<int> strike = chosenStrike()) {
            check(FT_Select_Size(face_.get(), *strike));
            for (const auto& [code, index] : glyphs) {
                if (std::optional<Drawn> glyph = fromStrike(code, index, *strike)) {
                    drawn.push_back(std::move(*glyph));
                }
            }
        } else {
            const int size = options_.size ? *options_.size : pixelsPerEm(glyphs);
            check(FT_Set_Pixel_Sizes(face_.get(), 0, static_cast<FT_UInt>(size)));
            for (const auto& [code, index] : glyphs)
                drawn.push_back(fromOutline(code, index, size, true));
        }
        // A face that draws nothing in the range, a space at most, is no font to take.
        if (std::ranges::none_of(drawn, [](const Drawn& glyph) {
                return glyph.beyond || std::ranges::find(glyph.dots, true) != glyph.dots.end();
            })) {
            throw Failure(Cause::NoCharacterInRange, {.value = firstText()});
        }
        return placed(drawn);
    }

    // Every character of the face's Unicode map, at --size or the only strike, or else the
    // first; outlines at --size or at the size that puts them on the pixel grid.
    state::BitmapFont readBitmapFont() {
        unicode_ = FT_Select_Charmap(face_.get(), FT_ENCODING_UNICODE) == 0;
        if (!unicode_) throw Failure(Cause::NoCharacterInRange, {.value = "U+0000"});
        std::vector<std::pair<long long, FT_UInt>> glyphs;  // character, glyph index
        FT_UInt index = 0;
        for (FT_ULong character = FT_Get_First_Char(face_.get(), &index); index != 0;
             character = FT_Get_Next_Char(face_.get(), character, &index)) {
            if (glyphs.size() == state::kMaxBitmapGlyphs) {
                throw Failure(Cause::FontTooManyGlyphs, {});
            }
            glyphs.emplace_back(static_cast<long long>(character), index);
        }
        if (glyphs.empty()) throw Failure(Cause::NoCharacterInRange, {.value = "U+0000"});
        std::optional<int> strike = options_.size ? chosenStrike() : std::nullopt;
        if (!options_.size && face_->num_fixed_sizes > 0) strike = 0;
        std::vector<Drawn> drawn;
        int size = 0;
        if (strike) {
            check(FT_Select_Size(face_.get(), *strike));
            for (const auto& [character, glyph] : glyphs) {
                if (std::optional<Drawn> one = fromStrike(character, glyph, *strike)) {
                    drawn.push_back(std::move(*one));
                }
            }
        } else {
            size = options_.size ? *options_.size : pixelsPerEm(glyphs);
            check(FT_Set_Pixel_Sizes(face_.get(), 0, static_cast<FT_UInt>(size)));
            for (const auto& [character, glyph] : glyphs) {
                drawn.push_back(fromOutline(character, glyph, size, false));
            }
        }
        state::BitmapFont font;
        const FT_Size_Metrics& metrics = face_->size->metrics;
        font.ascent = static_cast<int>((metrics.ascender + kPixel - 1) / kPixel);
        font.descent = static_cast<int>(-metrics.descender / kPixel);
        if (face_->family_name) font.family = face_->family_name;
        font.glyphs.reserve(drawn.size());
        for (const Drawn& one : drawn) {
            if (one.width > state::kMaxGlyphSide || one.rows > state::kMaxGlyphSide) {
                throw Failure(
                    Cause::FontGlyphTooLarge,
                    {.code = static_cast<int>(one.glyph.encoding), .value = one.glyph.name});
            }
            state::BitmapGlyph glyph =
                state::blankGlyph(static_cast<char32_t>(one.glyph.encoding),
                                  static_cast<int>(one.width), static_cast<int>(one.rows));
            glyph.name = one.glyph.name;
            glyph.left = static_cast<int>(one.left);
            glyph.bottom = static_cast<int>(one.top - one.rows);
            glyph.advance = static_cast<int>(one.advance);
            for (long long row = 0; row < one.rows; ++row) {
                for (long long x = 0; x < one.width; ++x) {
                    if (one.dots[row * one.width + x]) glyph.rows[row] |= std::uint64_t{1} << x;
                }
            }
            font.glyphs.push_back(std::move(glyph));
        }
        return font;
    }

private:
    // The face --face names, or the only one. A face past the last is refused as FreeType
    // refuses it, by the count of faces that only then needs telling.
    // The last face --face can name: the collection's last, or the last its number reaches.
    static std::string lastFace(FT_Long faces) {
        return std::to_string(std::min<FT_Long>(faces, 0x10000) - 1);
    }

    Face chosenFace() const {
        const long long index = options_.face.value_or(0);
        Face face(nullptr, &FT_Done_Face);
        const FT_Error error =
            index > 0xFFFF ? FT_Err_Invalid_Argument : openFace(library_, bytes_, index, face);
        if (error == FT_Err_Invalid_Argument && index > 0) {
            Face all(nullptr, &FT_Done_Face);
            check(openFace(library_, bytes_, -1, all));
            throw Failure(Cause::FaceNotChosen, {.value = lastFace(all->num_faces)});
        }
        check(error);
        if (face->num_faces > 1 && !options_.face) {
            throw Failure(Cause::FaceNotChosen, {.value = lastFace(face->num_faces)});
        }
        return face;
    }

    char32_t characterOf(long long code) const {
        if (options_.charset == ImportOptions::Charset::JisX0201) return jisX0201Character(code);
        return code > 0 && code <= 0x10FFFF ? static_cast<char32_t>(code) : 0;
    }

    std::string firstText() const {
        char text[16];
        std::snprintf(
            text, sizeof text,
            options_.charset == ImportOptions::Charset::JisX0201 ? "0x%02llX" : "U+%04llX", first_);
        return text;
    }

    // A glyph to draw, known by its name where the face names its glyphs and by its character
    // otherwise; the character labels it, or the name where the editor cannot hold that.
    Drawn named(long long code, FT_UInt index) const {
        const char32_t character = characterOf(code);
        char name[64] = "";
        if (FT_HAS_GLYPH_NAMES(face_.get()))
            FT_Get_Glyph_Name(face_.get(), index, name, sizeof name);
        Drawn drawn{.glyph = {.name = name, .encoding = code}};
        if (unicode_) drawn.label = labelForCode(character);
        if (drawn.label.empty()) drawn.label = nameAsLabel(drawn.glyph.name);
        if (drawn.glyph.name.empty()) {
            std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(character));
            drawn.glyph.name = name;
        }
        return drawn;
    }

    // The strike --size names, else the tallest that fits the cell, else the smallest; none
    // when the outlines are to be drawn instead.
    std::optional<int> chosenStrike() const {
        const FT_Face face = face_.get();
        const auto height = [&](int strike) { return face->available_sizes[strike].height; };
        const auto fits = [&](int strike) { return height(strike) <= state::kGlyphRows; };
        if (options_.size) {
            std::string heights;
            for (int strike = 0; strike < face->num_fixed_sizes; ++strike) {
                const FT_Pos ppem = (face->available_sizes[strike].y_ppem + kPixel / 2) / kPixel;
                if (ppem == *options_.size || height(strike) == *options_.size) return strike;
                heights += (heights.empty() ? "" : ", ") + std::to_string(height(strike));
            }
            if (face->num_fixed_sizes > 0 && !FT_IS_SCALABLE(face)) {
                throw Failure(Cause::StrikeNotFound, {.value = heights});
            }
            return std::nullopt;
        }
        if (face->num_fixed_sizes <= 0) return std::nullopt;
        int best = 0;
        for (int strike = 1; strike < face->num_fixed_sizes; ++strike) {
            if (fits(strike) ? !fits(best) || height(strike) > height(best)
                             : !fits(best) && height(strike) < height(best)) {
                best = strike;
            }
        }
        return best;
    }

    // A glyph the map names but that cannot be loaded whole is refused, naming it.
    [[noreturn]] void notLoaded(long long code, FT_UInt index) const {
        const std::string name = named(code, index).glyph.name;
        throw Failure(memory_.exhausted() ? Cause::GlyphTooCostly : Cause::GlyphDamaged,
                      {.value = name});
    }

    std::optional<Drawn> fromStrike(long long code, FT_UInt index, int strike) const {
        const std::optional<std::string_view> image = tables_.sbixGlyph(strike, index);
        if (image && !image->empty()) judgeImage(*image, code, index);
        // A glyph the strike lacks is missing, not drawn from an outline.
        if (FT_Load_Glyph(face_.get(), index, FT_LOAD_SBITS_ONLY | FT_LOAD_NO_HINTING) != 0) {
            if (memory_.exhausted() || (image && !image->empty())) notLoaded(code, index);
            return std::nullopt;
        }
        const FT_GlyphSlot slot = face_->glyph;
        if (slot->format != FT_GLYPH_FORMAT_BITMAP) return std::nullopt;
        Drawn drawn = named(code, index);
        drawn.advance = slot->advance.x / kPixel;
        drawn.left = slot->bitmap_left;
        drawn.top = slot->bitmap_top;
        drawn.rows = slot->bitmap.rows;
        drawn.width = slot->bitmap.width;
        if (drawn.rows > 0 && drawn.width > 0) {
            drawn.ascent = drawn.top;
            drawn.descent = drawn.rows - drawn.top;
        }
        BitmapCopy copy(library_.handle);
        check(FT_Bitmap_Convert(library_.handle, &slot->bitmap, &copy.bitmap, 1));
        const FT_Bitmap& levels = copy.bitmap;
        const int full = std::max(levels.num_grays, static_cast<unsigned short>(2)) - 1;
        drawn.dots.resize(static_cast<std::size_t>(drawn.rows * drawn.width));
        for (long long row = 0; row < drawn.rows; ++row) {
            for (long long x = 0; x < drawn.width; ++x) {
                const int level = levels.buffer[row * levels.pitch + x];
                if (level != 0 && level != full) {
                    throw Failure(Cause::GreyStrike, {.value = drawn.glyph.name});
                }
                drawn.dots[row * drawn.width + x] = level == full;
            }
        }
        return drawn;
    }

    // A PNG's size is in its header, which FreeType reads only as it decodes the whole image.
    void judgeImage(std::string_view glyph, long long code, FT_UInt index) const {
        constexpr std::size_t kOrigin = 8;  // originOffsetX, originOffsetY, graphicType
        const std::string_view data = glyph.substr(std::min(glyph.size(), kOrigin));
        if (glyph.size() < kOrigin || glyph.substr(4, 4) != "png ") return;
        const std::size_t header = kPngSignature.size() + 8;
        if (data.size() < header + 8 || !data.starts_with(kPngSignature) ||
            data.substr(kPngSignature.size() + 4, 4) != "IHDR") {
            notLoaded(code, index);
        }
        const std::uint32_t width = bigEndian(data, header, 4);
        const std::uint32_t height = bigEndian(data, header + 4, 4);
        if (width > kWidestStrikeImage || height > kWidestStrikeImage) {
            throw Failure(Cause::GlyphTooCostly, {.value = named(code, index).glyph.name});
        }
    }

    // The smallest pixel size at which every outline point lies on a pixel corner, as far as
    // 26.6 fixed point can tell.
    int pixelsPerEm(const std::vector<std::pair<long long, FT_UInt>>& glyphs) const {
        static_assert(kMostPixelsPerEm == 64, "a size per bit of `sizes`");
        const long long em = face_->units_per_EM;
        // Bit n - 1 for n pixels per em, while every point so far lies on a corner at n. After
        // a few points only the font's size and its multiples are left to try.
        std::uint64_t sizes = em > 0 ? ~std::uint64_t{0} : 0;
        const auto onCorners = [&](FT_Pos coordinate) {
            for (std::uint64_t left = sizes; left != 0; left &= left - 1) {
                const int size = std::countr_zero(left) + 1;
                // Unscaled points are whole font units, one of which may lie between a point
                // and its corner; fromOutline judges the scaled point itself.
                const FT_Pos position = (coordinate * size * kPixel * 2 + em) / (2 * em);
                const FT_Pos slack = kCornerSlack + (size * kPixel + em - 1) / em;
                if (position % kPixel > slack && position % kPixel < kPixel - slack) {
                    sizes &= ~(std::uint64_t{1} << (size - 1));
                }
            }
        };
        for (const auto& [code, index] : glyphs) {
            check(FT_Load_Glyph(face_.get(), index, FT_LOAD_NO_SCALE | FT_LOAD_NO_BITMAP));
            const FT_Outline& outline = face_->glyph->outline;
            for (int point = 0; point < outline.n_points && sizes != 0; ++point) {
                onCorners(std::abs(outline.points[point].x));
                onCorners(std::abs(outline.points[point].y));
            }
        }
        if (sizes == 0) {
            throw Failure(Cause::OffPixelGrid, {.value = "1-" + std::to_string(kMostPixelsPerEm)});
        }
        return std::countr_zero(sizes) + 1;
    }

    // Drawn whole, or only where it can meet the cell when `cellOnly`.
    Drawn fromOutline(long long code, FT_UInt index, int size, bool cellOnly) const {
        const bool longOffsets = FT_IS_SFNT(face_.get()) && tables_.get(headOffset() + 50, 2) != 0;
        if (!tables_.outlineWhole(index, longOffsets) ||
            FT_Load_Glyph(face_.get(), index,
                          FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP | FT_LOAD_TARGET_MONO) != 0) {
            notLoaded(code, index);
        }
        const FT_GlyphSlot slot = face_->glyph;
        if (slot->format != FT_GLYPH_FORMAT_OUTLINE) {
            throw Failure(Cause::OffPixelGridAtSize, {.value = std::to_string(size)});
        }
        FT_Outline& outline = slot->outline;
        for (int point = 0; point < outline.n_points; ++point) {
            FT_Vector& at = outline.points[point];
            if (!nearCorner(at.x) || !nearCorner(at.y) ||
                FT_CURVE_TAG(outline.tags[point]) != FT_CURVE_TAG_ON) {
                throw Failure(Cause::OffPixelGridAtSize, {.value = std::to_string(size)});
            }
            at.x = onCorner(at.x);
            at.y = onCorner(at.y);
        }
        Drawn drawn = named(code, index);
        drawn.advance = (slot->advance.x + kPixel / 2) / kPixel;
        FT_BBox box;
        FT_Outline_Get_CBox(&outline, &box);
        if (box.xMin >= box.xMax || box.yMin >= box.yMax) return drawn;
        // Only the part that can meet the cell is drawn, whatever the baseline: a glyph drawn
        // huge costs no more than one drawn small.
        const FT_Pos most = (state::kMaxGlyphSide + 1) * kPixel;
        const FT_BBox window =
            cellOnly ? FT_BBox{0, -state::kGlyphRows * kPixel, state::kGlyphColumns * kPixel,
                               state::kGlyphRows * kPixel}
                     : FT_BBox{box.xMin, box.yMin, std::min(box.xMax, box.xMin + most),
                               std::min(box.yMax, box.yMin + most)};
        drawn.beyond = box.xMin < window.xMin || box.yMin < window.yMin || box.xMax > window.xMax ||
                       box.yMax > window.yMax;
        drawn.left = std::max(box.xMin, window.xMin) / kPixel;
        drawn.top = std::min(box.yMax, window.yMax) / kPixel;
        drawn.width = std::min(box.xMax, window.xMax) / kPixel - drawn.left;
        drawn.rows = drawn.top - std::max(box.yMin, window.yMin) / kPixel;
        drawn.ascent = box.yMax / kPixel;
        drawn.descent = -box.yMin / kPixel;
        if (drawn.width <= 0 || drawn.rows <= 0) {
            drawn.width = drawn.rows = 0;
            return drawn;
        }
        const int pitch = static_cast<int>((drawn.width + 7) / 8);
        std::vector<unsigned char> buffer(static_cast<std::size_t>(pitch * drawn.rows));
        FT_Bitmap target;
        FT_Bitmap_Init(&target);
        target.rows = static_cast<unsigned>(drawn.rows);
        target.width = static_cast<unsigned>(drawn.width);
        target.pitch = pitch;
        target.buffer = buffer.data();
        target.num_grays = 2;
        target.pixel_mode = FT_PIXEL_MODE_MONO;
        FT_Outline_Translate(&outline, -drawn.left * kPixel, -(drawn.top - drawn.rows) * kPixel);
        check(FT_Outline_Get_Bitmap(library_.handle, &outline, &target));
        drawn.dots.resize(static_cast<std::size_t>(drawn.rows * drawn.width));
        for (long long row = 0; row < drawn.rows; ++row) {
            for (long long x = 0; x < drawn.width; ++x) {
                drawn.dots[row * drawn.width + x] = buffer[row * pitch + x / 8] & (0x80 >> x % 8);
            }
        }
        return drawn;
    }

    // Where head, which says whether loca's offsets are 32 bits, starts; past the file without one.
    std::size_t headOffset() const {
        const std::optional<Table> head = tables_.find("head");
        return head && head->length >= 52 ? head->offset : bytes_.size();
    }

    ImportedFont placed(std::vector<Drawn>& drawn) const {
        long long ascent = 0, descent = 0;
        for (const Drawn& glyph : drawn) {
            ascent = std::max(ascent, glyph.ascent);
            descent = std::max(descent, glyph.descent);
        }
        CellFont cells(options_, first_, ascent, descent);
        for (Drawn& glyph : drawn) {
            for (long long row = 0; row < glyph.rows; ++row) {
                for (long long x = 0; x < glyph.width; ++x) {
                    if (glyph.dots[row * glyph.width + x]) {
                        cells.dot(glyph.glyph, glyph.left + x, glyph.top - 1 - row);
                    }
                }
            }
            glyph.glyph.outside = glyph.glyph.outside || glyph.beyond;
            // Ink past the part drawn is lost at any baseline; one dot at least.
            glyph.glyph.elsewhere += glyph.beyond;
            cells.place(glyph.glyph);
        }
        ImportedFont font = cells.font("ISO10646", "1", false);
        for (int code = 0; code < state::kSavedCodes; ++code) {
            font.data.labels[code] = unicode_ ? labelForCode(characterOf(first_ + code)) : "";
        }
        for (const Drawn& glyph : drawn) {
            font.data.labels[glyph.glyph.encoding - first_] = glyph.label;
        }
        return font;
    }

    std::string_view bytes_;
    const ImportOptions& options_;
    const long long first_;
    CappedMemory memory_;
    Library library_;
    Face face_;
    SfntTables tables_;
    bool unicode_ = false;
};

}  // namespace

// The character `code` names in JIS X 0201: ASCII but for the yen sign and the overline, and
// the half-width katakana from 0xA1; 0 for codes it leaves undefined.
char32_t jisX0201Character(long long code) {
    if (code == 0x5C) return 0xA5;
    if (code == 0x7E) return 0x203E;
    if (code >= 0 && code < 0x80) return static_cast<char32_t>(code);
    if (code >= 0xA1 && code <= 0xDF) return static_cast<char32_t>(0xFF61 + (code - 0xA1));
    return 0;
}

bool isSfnt(std::string_view bytes) {
    return std::ranges::any_of(kSfntTags,
                               [bytes](std::string_view tag) { return bytes.starts_with(tag); });
}

ImportedFont importTrueType(std::string_view bytes, const ImportOptions& options) {
    requireImportSize(bytes.size());
    if (!isSfnt(bytes)) throw Failure(Cause::NotSfnt, {});
    return TrueTypeReader(bytes, options).read();
}

state::BitmapFont readTrueType(std::string_view bytes, const ImportOptions& options) {
    if (bytes.size() > kMostImportBytes) throw Failure(Cause::FileTooLarge, {});
    if (!isSfnt(bytes)) throw Failure(Cause::NotSfnt, {});
    return TrueTypeReader(bytes, options).readBitmapFont();
}

}  // namespace fontedit::formats
