// Arbitrary bytes as a PNG sheet, with a first code drawn from the input: the import gives a
// font the editor can save and read back, or fails with one of the PNG import's causes; either
// way its work in memory stays within a multiple of the sheet. Every
// chunk's checksum is made right first, so that a changed byte reaches libpng's reading of the
// image rather than stopping at its checksum test.
#include <fuzzer/FuzzedDataProvider.h>
#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "allocated_bytes.h"
#include "check.h"
#include "formats/font_import.h"
#include "imported_font.h"

namespace {

std::uint32_t bigEndian(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = at; i < at + 4; ++i) {
        value = value << 8 | static_cast<unsigned char>(bytes[i]);
    }
    return value;
}

// Each whole chunk's CRC, over its type and data, as libpng checks it.
void withRightChecksums(std::string& png) {
    constexpr std::size_t kFirstChunk = 8;
    for (std::size_t at = kFirstChunk; at + 12 <= png.size();) {
        const std::size_t length = bigEndian(png, at);
        if (length > png.size() - at - 12) return;
        const auto* typeAndData = reinterpret_cast<const Bytef*>(png.data() + at + 4);
        const auto crc = static_cast<std::uint32_t>(
            crc32(crc32(0, nullptr, 0), typeAndData, static_cast<uInt>(length + 4)));
        for (std::size_t byte = 0; byte < 4; ++byte) {
            png[at + 8 + length + byte] = static_cast<char>(crc >> (24 - 8 * byte));
        }
        at += length + 12;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace fontedit;
    FuzzedDataProvider input(data, size);
    formats::ImportOptions options;
    if (input.ConsumeBool()) options.first = input.ConsumeIntegralInRange<int>(-100, 0x11000);
    std::string png = input.ConsumeRemainingBytesAsString();
    withRightChecksums(png);
    std::optional<formats::ImportedFont> font;
    // libpng's own blocks come from malloc and are not counted; the rows and dots read are.
    const std::size_t before = fuzz::allocatedBytes();
    const auto checkWork = [&] {
        fuzz::requireWorkWithin(before, fuzz::mostReaderWork(png.size()));
    };
    try {
        font = formats::importPng(png, options);
    } catch (const state::Failure& failure) {
        checkWork();
        using state::Cause;
        static constexpr Cause kPng[] = {Cause::NotPng, Cause::PngTruncated, Cause::PngNotDecoded,
                                         Cause::SheetSize, Cause::ThirdColour};
        fuzz::checkImportFailure(failure, {kPng});
        return 0;
    }
    checkWork();
    fuzz::checkImportedFont(*font);
    fuzz::require(font->notes.empty(), "a sheet has nothing to note");
    return 0;
}
