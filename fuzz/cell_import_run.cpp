#include "cell_import_run.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <iterator>
#include <optional>
#include <string>

#include "allocated_bytes.h"
#include "check.h"
#include "imported_font.h"
#include "reader_causes.h"

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
                  std::initializer_list<std::span<const state::Cause>> causes) {
    FuzzedDataProvider input(data, size);
    formats::ImportOptions options;
    const std::uint8_t choices = input.ConsumeIntegral<std::uint8_t>();
    if (choices & 1) options.first = input.ConsumeIntegralInRange<int>(-100, 0x11000);
    options.crop = choices & 2;
    if (choices & 4) options.baseline = choices >> 5;
    const std::string bytes = input.ConsumeRemainingBytesAsString();
    std::optional<formats::ImportedFont> font;
    const std::size_t before = allocatedBytes();
    const auto checkWork = [&] { requireWorkWithin(before, mostReaderWork(bytes.size())); };
    try {
        font = import(bytes, options);
    } catch (const state::Failure& failure) {
        checkWork();
        if (std::find(std::begin(kCellCauses), std::end(kCellCauses), failure.cause()) ==
            std::end(kCellCauses)) {
            checkImportFailure(failure, causes);
        }
        require(failure.cause() != state::Cause::GlyphTooLarge || !options.crop,
                "with crop no glyph is too large");
        return;
    }
    checkWork();
    checkCellFont(*font, options);
}

}  // namespace fontedit::fuzz
