// Arbitrary C source as a GFXfont header, with options drawn from the input: the import gives
// a font the editor can save and read back, or fails with a cause of the C import or of the
// cell's rules it shares with BDF and PCF; either way its work in memory stays within a
// multiple of the source.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "allocated_bytes.h"
#include "check.h"
#include "formats/font_import.h"
#include "formats/libraries/gfxfont.h"
#include "imported_font.h"
#include "reader_causes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace fontedit;
    FuzzedDataProvider input(data, size);
    formats::ImportOptions options;
    const std::uint8_t choices = input.ConsumeIntegral<std::uint8_t>();
    options.crop = (choices & 1) != 0;
    if (choices & 2) options.first = input.ConsumeIntegralInRange<int>(-100, 0x11000);
    if (choices & 4) options.baseline = input.ConsumeIntegralInRange<int>(0, 7);
    const std::string source = input.ConsumeRemainingBytesAsString();
    std::optional<formats::ImportedFont> font;
    const std::size_t before = fuzz::allocatedBytes();
    const auto checkWork = [&] {
        fuzz::requireWorkWithin(before, fuzz::mostReaderWork(source.size()));
    };
    try {
        font = formats::importGfxFont(source, options);
    } catch (const state::Failure& failure) {
        checkWork();
        fuzz::require(!options.crop || failure.cause() != state::Cause::GlyphTooLarge,
                      "--crop takes every glyph whatever its size");
        using state::Cause;
        static constexpr Cause kGfxFont[] = {
            Cause::ArrayNotFound, Cause::NoFontArray,   Cause::NotAConstant,
            Cause::NotAByte,      Cause::ListNotClosed, Cause::ConditionalInList,
            Cause::RowTooLong,    Cause::GlyphsMissing, Cause::BitmapShort};
        fuzz::checkImportFailure(failure, {fuzz::kCSourceCauses, fuzz::kCellCauses, kGfxFont});
        return 0;
    }
    checkWork();
    fuzz::checkImportedFont(*font);
    return 0;
}
