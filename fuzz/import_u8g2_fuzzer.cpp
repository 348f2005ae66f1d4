// Arbitrary bytes as the string of a u8g2 font, with options drawn from the input: the
// run-length decoding and the glyph lists meet every shape of header, jump and bit field.
// One input in eight is taken as C source as it stands.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "x11_import.h"

namespace {

fontedit::formats::ImportedFont importString(std::string_view bytes,
                                             const fontedit::formats::ImportOptions& options) {
    if (!bytes.empty() && (bytes[0] & 7) == 0) return fontedit::formats::importU8g2(bytes, options);
    std::string source = "const uint8_t f[] U8G2_FONT_SECTION(\"f\") = \"";
    char escape[8];
    for (const char byte : bytes.substr(bytes.empty() ? 0 : 1)) {
        std::snprintf(escape, sizeof escape, "\\%03o", static_cast<unsigned char>(byte));
        source += escape;
    }
    return fontedit::formats::importU8g2(source + "\";", options);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The C tokenizer's causes, the X11 cell's and the library fonts' own.
    fontedit::fuzz::runX11Import(data, size, importString, {{1100, 1199}, {1800, 1899}});
    return 0;
}
