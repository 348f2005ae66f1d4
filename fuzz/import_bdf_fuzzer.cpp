// Arbitrary bytes as a BDF font, with options drawn from the input: the import gives a font
// the editor can save and read back, or fails with one of the BDF import's causes.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "check.h"
#include "formats/font_import.h"
#include "imported_font.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace fontedit;
    FuzzedDataProvider input(data, size);
    formats::ImportOptions options;
    const std::uint8_t choices = input.ConsumeIntegral<std::uint8_t>();
    if (choices & 1) options.first = input.ConsumeIntegralInRange<int>(-100, 0x11000);
    options.crop = choices & 2;
    const std::string bytes = input.ConsumeRemainingBytesAsString();
    std::optional<formats::ImportedFont> font;
    try {
        font = formats::importBdf(bytes, options);
    } catch (const state::Failure& failure) {
        fuzz::checkImportFailure(failure, 1200, 1299);
        fuzz::require(failure.cause() != state::Cause::GlyphTooLarge || !options.crop,
                      "with crop no glyph is too large");
        return 0;
    }
    fuzz::checkImportedFont(*font);
    const int first = options.first.value_or(32);
    for (const formats::ImportNote& note : font->notes) {
        fuzz::require(note.code && *note.code >= first && *note.code < first + state::kSavedCodes,
                      "a note names an encoding in the range taken");
        if (note.kind == formats::ImportNote::Kind::EncodingMissing) {
            for (const std::string& cell : font->data.cells[*note.code - first]) {
                fuzz::require(cell == "0", "a missing encoding gives an empty glyph");
            }
        }
        fuzz::require(note.kind != formats::ImportNote::Kind::GlyphCropped || options.crop,
                      "a glyph is cropped only with crop");
    }
    return 0;
}
