#include "cell_import_run.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <optional>
#include <string>

#include "allocated_bytes.h"
#include "check.h"
#include "imported_font.h"

namespace fontedit::fuzz {

void checkCellFont(const formats::ImportedFont& font, const formats::ImportOptions& options) {
    checkImportedFont(font);
    const int first = options.first.value_or(32);
    for (const formats::ImportNote& note : font.notes) {
        if (note.kind == formats::ImportNote::Kind::GlyphsCropped) {
            require(options.crop && note.count > 0 && note.count <= state::kSavedCodes,
                    "glyphs are cropped only with crop, and only those taken");
            continue;
        }
        if (note.kind == formats::ImportNote::Kind::OwnCharset) {
            require(font.notes.front() == note, "a character set of its own is told first");
            continue;
        }
        require(note.code && *note.code >= first && *note.code < first + state::kSavedCodes,
                "a note names an encoding in the range taken");
        if (note.kind == formats::ImportNote::Kind::EncodingMissing ||
            note.kind == formats::ImportNote::Kind::CharacterMissing) {
            for (const std::string& cell : font.data.cells[*note.code - first]) {
                require(cell == "0", "a missing encoding gives an empty glyph");
            }
        }
    }
}

void runX11Import(const std::uint8_t* data, std::size_t size, X11Import import,
                  const std::vector<std::pair<int, int>>& causes) {
    FuzzedDataProvider input(data, size);
    formats::ImportOptions options;
    const std::uint8_t choices = input.ConsumeIntegral<std::uint8_t>();
    if (choices & 1) options.first = input.ConsumeIntegralInRange<int>(-100, 0x11000);
    options.crop = choices & 2;
    if (choices & 4) options.baseline = choices >> 5;
    const std::string bytes = input.ConsumeRemainingBytesAsString();
    std::optional<formats::ImportedFont> font;
    // The tokens, lists and entries of a source, each a few times its size, and the font.
    const std::size_t mostWork = 128 * bytes.size() + (16 << 20);
    const std::size_t before = allocatedBytes();
    const auto checkWork = [&] {
        require(allocatedBytes() - before <= mostWork,
                "the import's memory work stays within a multiple of the source");
    };
    try {
        font = import(bytes, options);
    } catch (const state::Failure& failure) {
        checkWork();
        std::pair<int, int> range{1200, 1299};
        for (const std::pair<int, int>& other : causes) {
            if (failure.number() >= other.first && failure.number() <= other.second) range = other;
        }
        checkImportFailure(failure, range.first, range.second);
        require(failure.cause() != state::Cause::GlyphTooLarge || !options.crop,
                "with crop no glyph is too large");
        return;
    }
    checkWork();
    checkCellFont(*font, options);
}

}  // namespace fontedit::fuzz
