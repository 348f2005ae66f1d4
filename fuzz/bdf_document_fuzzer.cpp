// Arbitrary bytes as a BDF document: read and written back unchanged they are the same bytes;
// with a dot and an advance changed, and for every other input every other glyph dropped under
// a new family, what is written reads back as the font changed.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "check.h"
#include "formats/x11/bdf_document.h"
#include "imported_font.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace fontedit;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::optional<formats::BdfDocument> document;
    try {
        document = formats::BdfDocument::read(bytes);
    } catch (const state::Failure& failure) {
        using state::Cause;
        static constexpr Cause kBdfDocument[] = {Cause::NotBdf,           Cause::BdfSyntax,
                                                 Cause::BitmapRow,        Cause::BdfNotClosed,
                                                 Cause::BdfTooManyGlyphs, Cause::BdfGlyphTooLarge,
                                                 Cause::BdfEncodingTwice};
        fuzz::checkImportFailure(failure, {kBdfDocument});
        return 0;
    }
    fuzz::require(document->write() == bytes, "a document written unchanged is the bytes read");
    auto& glyphs = document->font().glyphs;
    if (glyphs.empty()) return 0;
    state::BitmapGlyph& glyph = glyphs[size % glyphs.size()];
    glyph.setDot(0, 0, !glyph.dot(0, 0));
    glyph.advance += 1;
    glyph.name = "changed";
    // Every other input keeps only every other glyph, from the first or the second, under a
    // family of its own.
    if (size % 2 == 1) {
        std::vector<char32_t> kept;
        for (std::size_t i = size / 2 % 2; i < glyphs.size(); i += 2) {
            kept.push_back(glyphs[i].character);
        }
        document->keepOnly(kept);
        document->font().family = "\"changed\"";
    }
    fuzz::require(formats::BdfDocument::read(document->write()).font() == document->font(),
                  "a changed document reads back as changed");
    return 0;
}
