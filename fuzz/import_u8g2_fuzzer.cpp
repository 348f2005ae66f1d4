// Arbitrary bytes as the string of a u8g2 font, with options drawn from the input: the
// run-length decoding and the glyph lists meet every shape of header, jump and bit field.
// One input in eight is taken as C source as it stands.
#include <cstddef>
#include <cstdint>
#include <string>

#include "cell_import_run.h"
#include "formats/c/c_text.h"
#include "formats/libraries/u8g2.h"
#include "reader_causes.h"

namespace {

// The font's bytes written as the export writes its string, printable ones as they stand:
// an escape for every byte would make the source four times the font, and most of each run
// would go to reading escapes.
fontedit::formats::ImportedFont importString(std::string_view bytes,
                                             const fontedit::formats::ImportOptions& options) {
    if (!bytes.empty() && (bytes[0] & 7) == 0) return fontedit::formats::importU8g2(bytes, options);
    const std::string literal =
        fontedit::formats::cStringLiteral(bytes.substr(bytes.empty() ? 0 : 1), "");
    return fontedit::formats::importU8g2(
        "const uint8_t f[] U8G2_FONT_SECTION(\"f\") = " + literal + ";", options);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using fontedit::state::Cause;
    static constexpr Cause kU8g2[] = {Cause::LibraryFontDamaged};
    fontedit::fuzz::runX11Import(data, size, importString, {fontedit::fuzz::kCSourceCauses, kU8g2});
    return 0;
}
