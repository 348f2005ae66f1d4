// Arbitrary C source, with options drawn from the input: the import gives a font the editor
// can save and read back, or fails with one of the C import's causes; either way its work in
// memory stays within a fixed multiple of the source, whatever sizes the source declares.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "allocated_bytes.h"
#include "check.h"
#include "formats/font_import.h"
#include "imported_font.h"
#include "reader_causes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace fontedit;
    FuzzedDataProvider input(data, size);
    formats::ImportOptions options;
    const std::uint8_t choices = input.ConsumeIntegral<std::uint8_t>();
    if (choices & 1) options.offset = input.ConsumeIntegralInRange<std::size_t>(0, 1400);
    if (choices & 2) options.first = input.ConsumeIntegralInRange<int>(-100, 0x11000);
    if (choices & 4) options.array = input.ConsumeRandomLengthString(8);
    const std::string source = input.ConsumeRemainingBytesAsString();
    std::optional<formats::ImportedFont> font;
    // A row a byte of "{}," ends, as wide as a glyph may be, twice; and the font itself.
    const std::size_t mostWork = 2 * formats::kLongestStride * source.size() + (1 << 20);
    const std::size_t before = fuzz::allocatedBytes();
    const auto checkWork = [&] { fuzz::requireWorkWithin(before, mostWork); };
    try {
        font = formats::importCTable(source, options);
    } catch (const state::Failure& failure) {
        checkWork();
        using state::Cause;
        static constexpr Cause kCTable[] = {
            Cause::NoArray,           Cause::ArrayNotFound, Cause::ArrayWidth,
            Cause::NoFontArray,       Cause::NotAConstant,  Cause::NotAByte,
            Cause::ConditionalInList, Cause::ListNotClosed, Cause::PartialGlyph,
            Cause::OffsetPastEnd,     Cause::RowTooLong,    Cause::ShapeUnclear,
            Cause::VariableWidth,     Cause::IndexTooLarge, Cause::NoShapeFits,
            Cause::NotAnyFormat,      Cause::GlyphsMissing, Cause::GlyphOutsideCell};
        fuzz::checkImportFailure(failure, {fuzz::kCSourceCauses, kCTable});
        return 0;
    }
    checkWork();
    fuzz::checkImportedFont(*font);
    int named = 0;
    for (const formats::ImportNote& note : font->notes) {
        named += note.kind == formats::ImportNote::Kind::ArrayTaken;
        if (note.kind == formats::ImportNote::Kind::GlyphsFilled) {
            fuzz::require(note.count > 0 && note.count < state::kSavedCodes,
                          "a table fills at most 95 glyphs");
            fuzz::require(font->data.cells[state::kSavedCodes - 1][0] == "0",
                          "filled glyphs are empty");
        }
    }
    // A file of custom characters takes every array, each a glyph, and names none.
    fuzz::require(named == 0 || (named == 1 && !options.array),
                  "the array taken is named only when the user named none");
    return 0;
}
