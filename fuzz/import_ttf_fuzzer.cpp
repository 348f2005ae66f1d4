// Arbitrary bytes as a TrueType or OpenType font, with options drawn from the input's last
// bytes: FreeType reads the font, and what it makes of it must still be a font the editor can
// save, or a failure of the TrueType import's own causes.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "cell_import_run.h"
#include "check.h"
#include "formats/font_import.h"
#include "imported_font.h"
#include "reader_causes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace fontedit;
    FuzzedDataProvider input(data, size);
    formats::ImportOptions options;
    const std::uint8_t choices = input.ConsumeIntegral<std::uint8_t>();
    if (choices & 1) options.first = input.ConsumeIntegralInRange<int>(0, 0x110000);
    options.crop = choices & 2;
    if (choices & 4) options.baseline = input.ConsumeIntegralInRange<int>(0, 7);
    if (choices & 8) options.size = input.ConsumeIntegralInRange<int>(1, 4096);
    if (choices & 16) options.face = input.ConsumeIntegralInRange<int>(0, 0xFFFF);
    if (choices & 32) options.charset = formats::ImportOptions::Charset::JisX0201;
    const std::string bytes = input.ConsumeRemainingBytesAsString();
    std::optional<formats::ImportedFont> font;
    try {
        font = formats::importTrueType(bytes, options);
    } catch (const state::Failure& failure) {
        using state::Cause;
        fuzz::require(failure.cause() != Cause::GlyphTooLarge || !options.crop,
                      "with crop no glyph is too large");
        static constexpr Cause kTrueType[] = {
            Cause::NotSfnt,        Cause::FontNotOpened,     Cause::FaceNotChosen,
            Cause::StrikeNotFound, Cause::OffPixelGrid,      Cause::NoCharacterInRange,
            Cause::GreyStrike,     Cause::FontCutShort,      Cause::GlyphDamaged,
            Cause::GlyphTooCostly, Cause::OffPixelGridAtSize};
        fuzz::checkImportFailure(failure, {fuzz::kCellCauses, kTrueType});
        return 0;
    }
    fuzz::checkCellFont(*font, options);
    return 0;
}
