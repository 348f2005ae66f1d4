// Arbitrary bytes through the imports of bitmap fonts at their own size: the first byte picks
// the reader (and, for tables, the cell, layout and bit order from the next two), the rest is
// the font. Each gives a font the model holds, glyphs sorted and within their boxes, or fails
// with a cause of its family; what it gives is written back in its own format or refused as
// too large for it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "check.h"
#include "formats/c/c_text.h"
#include "formats/libraries/gfxfont.h"
#include "formats/libraries/lvgl.h"
#include "formats/libraries/max72xx.h"
#include "formats/libraries/u8g2.h"
#include "formats/libraries/u8x8.h"
#include "formats/tables/c_bitmap.h"
#include "imported_font.h"
#include "reader_causes.h"
#include "state/failure.h"

namespace {

using fontedit::state::BitmapFont;
namespace formats = fontedit::formats;

using fontedit::state::Cause;

// The tables' and the display libraries' readers, and the writers' refusals of a font their
// format cannot hold.
constexpr Cause kBitmapCauses[] = {Cause::NoArray,
                                   Cause::ArrayNotFound,
                                   Cause::NoFontArray,
                                   Cause::NotAConstant,
                                   Cause::NotAByte,
                                   Cause::ConditionalInList,
                                   Cause::ListNotClosed,
                                   Cause::PartialGlyph,
                                   Cause::OffsetPastEnd,
                                   Cause::RowTooLong,
                                   Cause::GlyphsMissing,
                                   Cause::BitmapShort,
                                   Cause::LibraryFontDamaged,
                                   Cause::PixelDepth,
                                   Cause::NoGlyphForCharacter,
                                   Cause::CharacterPastFormat,
                                   Cause::TooManyForFormat,
                                   Cause::CellTooLarge,
                                   Cause::CellPastFormat,
                                   Cause::CharacterNotHeld,
                                   Cause::TooManyGlyphs,
                                   Cause::GlyphRecordTooLong,
                                   Cause::BitmapPastOffsets,
                                   Cause::GlyphFieldPastFormat};

void checkFont(const BitmapFont& font) {
    using fontedit::fuzz::require;
    require(font.glyphs.size() <= fontedit::state::kMaxBitmapGlyphs, "at most 65,536 glyphs");
    for (std::size_t i = 0; i < font.glyphs.size(); ++i) {
        const auto& glyph = font.glyphs[i];
        require(i == 0 || font.glyphs[i - 1].character < glyph.character, "sorted, each once");
        require(glyph.width >= 0 && glyph.height >= 0 &&
                    glyph.width <= fontedit::state::kMaxGlyphSide &&
                    glyph.height <= fontedit::state::kMaxGlyphSide,
                "a box of up to 64 x 64");
        require(glyph.rows.size() == static_cast<std::size_t>(glyph.height), "a word a row");
        for (const std::uint64_t row : glyph.rows) {
            require(glyph.width == 64 || row >> glyph.width == 0, "no dot past the box");
        }
    }
}

// The C source of a u8g2 or u8x8 string, as the exports write it.
std::string section(std::string_view macro, std::string_view bytes) {
    return "const uint8_t f[] " + std::string(macro) +
           "(\"f\") = " + formats::cStringLiteral(bytes, "") + ";";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 3, size - 3);
    const formats::TableBitmapOptions table{
        .width = 1 + data[1] % 32,
        .height = 1 + data[2] % 32,
        .layout = static_cast<formats::CLayout>(data[0] / 8 % 3),
        .msbFirst = (data[0] & 0x80) != 0,
    };
    try {
        BitmapFont font;
        std::string written;
        switch (data[0] % 8) {
            case 0:
                font = formats::cBitmapImport(bytes, table);
                checkFont(font);
                written = formats::cBitmapExport(font, {});
                break;
            case 1:
                font = formats::binaryBitmapImport(bytes, table);
                checkFont(font);
                break;
            case 2:
                font = formats::u8g2BitmapImport(section("U8G2_FONT_SECTION", bytes));
                checkFont(font);
                written = formats::u8g2BitmapData(font);
                break;
            case 3:
                font = formats::u8x8BitmapImport(section("U8X8_FONT_SECTION", bytes));
                checkFont(font);
                written = formats::u8x8BitmapData(font);
                break;
            case 4:
                font = formats::lvglBitmapImport(bytes);
                checkFont(font);
                written = formats::lvglBitmapExport(font, {});
                break;
            case 5:
                font = formats::gfxfontBitmapImport(bytes);
                checkFont(font);
                written = formats::gfxfontBitmapExport(font, {});
                break;
            default:
                font = formats::max72xxBitmapImport(bytes);
                checkFont(font);
                written = formats::max72xxBitmapExport(font, {});
                break;
        }
    } catch (const fontedit::state::Failure& failure) {
        fontedit::fuzz::checkImportFailure(failure,
                                           {fontedit::fuzz::kCSourceCauses, kBitmapCauses});
    }
    return 0;
}
