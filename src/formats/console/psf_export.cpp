#include "formats/console/psf_export.h"

#include <algorithm>

#include "formats/common/font_bytes.h"
#include "state/utf8.h"

namespace fontedit::formats {
namespace {

constexpr unsigned kGlyphs = 256;
constexpr unsigned kGlyphHeight = state::kGlyphRows;
// The position the kernel erases the screen with.
constexpr int kErasePosition = 32;

}  // namespace

void appendPsfWord(std::string& bytes, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) bytes += static_cast<char>(value >> shift & 0xFF);
}

std::string psfBytes(const state::FontData& data, int first) {
    const int start =
        first + state::kSavedCodes <= static_cast<int>(kGlyphs) ? first : kErasePosition;
    std::string psf(kPsf2Mark);
    for (const unsigned field : {0u, unsigned{kPsf2HeaderBytes}, kPsf2HasUnicodeTable, kGlyphs,
                                 kGlyphHeight, kGlyphHeight, 8u}) {
        appendPsfWord(psf, field);
    }
    const std::size_t bitmaps = psf.size();
    psf.resize(bitmaps + kGlyphs * kGlyphHeight);
    for (int code = 0; code < state::kSavedCodes; ++code) {
        const state::GlyphBytes columns = glyphBytes(data, code);
        char* rows = psf.data() + bitmaps + static_cast<std::size_t>(start + code) * kGlyphHeight;
        const auto bytes = rowBytes(columns, 7);
        std::copy(bytes.begin(), bytes.end(), rows);
    }
    for (int position = 0; position < static_cast<int>(kGlyphs); ++position) {
        const int code = position - start;
        if (code >= 0 && code < state::kSavedCodes) {
            psf += state::utf8Bytes(static_cast<char32_t>(first + code));
        }
        psf += static_cast<char>(kPsf2Separator);
    }
    return psf;
}

}  // namespace fontedit::formats
