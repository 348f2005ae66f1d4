// TrueType and OpenType pixel fonts that FontForge makes from our BDF export, whole and
// damaged.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "formats/font_import.h"
#include "formats/import_formats.h"
#include "formats/x11/bdf_export.h"
#include "state/conversions.h"
#include "state/failure.h"
#include "support/expect_failure.h"
#include "support/scratch_directory.h"

namespace fontedit::formats {
namespace {

using state::Cause;
using namespace support;

// A font of every kind of glyph, through our BDF export.
state::FontData dottedFont() {
    state::FontData data;
    for (int code = 0; code < state::kSavedCodes; ++code) {
        for (int column = 0; column < state::kGlyphColumns; ++column) {
            data.cells[code][column] = state::hexText((code * 37 + column * 101 + 1) % 256);
        }
    }
    return data;
}

// FontForge's font made from our BDF export of dottedFont(): outlines, or with `.otb` a bitmap
// strike. Made once a run, as FontForge takes a while to start.
const std::string& fontForgeFont(const std::string& name) {
    static std::map<std::string, std::string> made;
    if (const auto font = made.find(name); font != made.end()) return font->second;
    ScratchDirectory dir;
    dir.put("font.bdf", bdfBytes(dottedFont()));
    const std::string command =
        "/usr/bin/python3 " FONTEDIT_TEST_SOURCE_DIR "/truetype/bdf_to_sfnt.py " +
        (dir / "font.bdf").string() + " " + (dir / name).string() + " 2>/dev/null";
    if (std::system(command.c_str()) != 0) ADD_FAILURE() << command;
    return made[name] = readBytes(dir / name);
}

TEST(TrueTypeImport, PixelFontsFontForgeMakesOfOurExportComeBackExactly) {
    const state::FontData written = dottedFont();
    for (const char* name : {"font.ttf", "font.otb"}) {
        SCOPED_TRACE(name);
        const std::string& sfnt = fontForgeFont(name);
        EXPECT_EQ(detectFormat(sfnt), ImportFormat::TrueType);
        const ImportedFont font = importTrueType(sfnt, {});
        EXPECT_EQ(font.data.cells, written.cells);
        EXPECT_EQ(font.data.labels[33], "A");
    }
    // Drawn at seven pixels to the em, the squares of eight fall between pixels; naming
    // another --size is no advice for a size the user named.
    expectFailure([&] { importTrueType(fontForgeFont("font.ttf"), {.size = 7}); },
                  Cause::OffPixelGridAtSize, {.value = "7"});
}

std::uint32_t bigEndianAt(const std::string& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int byte = 0; byte < size; ++byte) {
        value = value << 8 | static_cast<std::uint8_t>(bytes[at + byte]);
    }
    return value;
}

std::string bigEndian(std::uint32_t value) {
    return {static_cast<char>(value >> 24), static_cast<char>(value >> 16),
            static_cast<char>(value >> 8), static_cast<char>(value)};
}

// Where each table's offset is written in the directory of the font `sfnt`, by tag.
std::vector<std::pair<std::string, std::size_t>> tableOffsets(const std::string& sfnt) {
    std::vector<std::pair<std::string, std::size_t>> tables;
    for (std::uint32_t table = 0; table < bigEndianAt(sfnt, 4, 2); ++table) {
        tables.emplace_back(sfnt.substr(12 + 16 * table, 4), 12 + 16 * table + 8);
    }
    return tables;
}

// Where the directory of `sfnt` gives the offset of the table `tag`; its length follows.
std::size_t tableOffsetOf(const std::string& sfnt, std::string_view tag) {
    for (const auto& [name, offset] : tableOffsets(sfnt)) {
        if (name == tag) return offset;
    }
    ADD_FAILURE() << tag;
    return 0;
}

std::size_t tableAt(const std::string& sfnt, std::string_view tag) {
    for (const auto& [name, offset] : tableOffsets(sfnt)) {
        if (name == tag) return bigEndianAt(sfnt, offset, 4);
    }
    ADD_FAILURE() << tag;
    return 0;
}

// `faces` faces, every one the font `sfnt`, its tables moved past the collection's header;
// padded to the 32 bytes a face that FreeType asks of a collection before it believes its count.
std::string collection(const std::string& sfnt, std::uint32_t faces) {
    const std::uint32_t header = 12 + 4 * faces;
    std::string font = sfnt;
    for (const auto& [name, offset] : tableOffsets(sfnt)) {
        font.replace(offset, 4, bigEndian(bigEndianAt(sfnt, offset, 4) + header));
    }
    std::string ttc = "ttcf" + bigEndian(0x00010000) + bigEndian(faces);
    for (std::uint32_t face = 0; face < faces; ++face) ttc += bigEndian(header);
    return ttc + font + std::string(32 * faces, '\0');
}

// The bitmap font `otb` with its EBLC table made an sbix table of one strike, 8 pixels to the
// em, in which every glyph is `image`, a PNG.
std::string withSbix(const std::string& otb, const std::string& image) {
    const std::uint32_t glyphs = bigEndianAt(otb, tableAt(otb, "maxp") + 4, 2);
    const std::string glyph = std::string(4, '\0') + "png " + image;
    std::string strike = std::string("\0\x08\0\x48", 4);
    for (std::uint32_t at = 0; at <= glyphs; ++at) {
        strike += bigEndian(4 + 4 * (glyphs + 1) + at * static_cast<std::uint32_t>(glyph.size()));
    }
    for (std::uint32_t at = 0; at < glyphs; ++at) strike += glyph;
    const std::string sbix = std::string("\0\1\0\1", 4) + bigEndian(1) + bigEndian(12) + strike;
    std::string font = otb + std::string((4 - otb.size() % 4) % 4, '\0');
    for (const auto& [name, offset] : tableOffsets(otb)) {
        if (name != "EBLC") continue;
        font.replace(offset - 8, 4, "sbix");
        font.replace(offset, 8,
                     bigEndian(static_cast<std::uint32_t>(font.size())) +
                         bigEndian(static_cast<std::uint32_t>(sbix.size())));
    }
    return font + sbix;
}

// A PNG's signature and header, grey at 1 bit a pixel, and nothing after them.
std::string pngHeader(std::uint32_t width, std::uint32_t height) {
    return std::string("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR", 16) + bigEndian(width) +
           bigEndian(height) + std::string("\1\0\0\0\0", 5) + bigEndian(0);
}

TEST(TrueTypeImport, DamagedFontsAreRefusedByTheirCause) {
    const state::FontData written = dottedFont();
    const std::string& ttf = fontForgeFont("font.ttf");
    const std::string& otb = fontForgeFont("font.otb");
    const auto patched = [](std::string font, std::size_t at, std::string_view bytes) {
        font.replace(at, bytes.size(), bytes);
        return font;
    };
    const std::string manyFaces = collection(ttf, 10000);
    struct Case {
        const char* what;
        std::string bytes;
        // --first, --size, --face
        std::optional<int> first{}, size{}, face{};
        std::optional<Cause> refused{};  // unset: comes back as the font was written
        std::string value{};
    };
    const Case cases[] = {
        {"no tag", "STARTFONT 2.1\n", {}, {}, {}, Cause::NotSfnt},
        {"a tag and nothing else",
         std::string("\0\1\0\0", 4),
         {},
         {},
         {},
         Cause::FontNotOpened,
         "invalid stream operation"},
        {"past the size cap",
         std::string("OTTO") + std::string(kMostImportBytes, '\0'),
         {},
         {},
         {},
         Cause::FileTooLarge},
        {"the table directory cut short",
         ttf.substr(0, 40),
         {},
         {},
         {},
         Cause::FontNotOpened,
         "invalid stream operation"},
        {"65535 glyphs declared, 99 there", patched(ttf, tableAt(ttf, "maxp") + 4, "\xFF\xFF")},
        {"a strike of 0 x 0",
         patched(otb, tableAt(otb, "EBLC") + 8 + 44, std::string(2, '\0')),
         {},
         {},
         {},
         Cause::NoCharacterInRange,
         "U+0020"},
        {"10000 faces, none chosen", manyFaces, {}, {}, {}, Cause::FaceNotChosen, "9999"},
        {"10000 faces, the last chosen", manyFaces, {}, {}, 9999},
        {"10000 faces, one past the last", manyFaces, {}, {}, 10000, Cause::FaceNotChosen, "9999"},
        {"no glyph in the range", ttf, 0x3000, {}, {}, Cause::NoCharacterInRange, "U+3000"},
        {"a strike the font lacks", otb, {}, 12, {}, Cause::StrikeNotFound, "8"},
        {"glyf's length shortened below its glyphs",
         patched(ttf, tableOffsetOf(ttf, "glyf") + 4, bigEndian(16)),
         {},
         {},
         {},
         Cause::GlyphDamaged,
         "char32"},
        {"sbix glyphs whose PNG stops after its header",
         withSbix(otb, pngHeader(5, 8)),
         {},
         {},
         {},
         Cause::GlyphDamaged,
         "char32"},
        {"sbix glyphs of 8192 x 8192 pixels, judged before they are decoded",
         withSbix(otb, pngHeader(8192, 8192)),
         {},
         {},
         {},
         Cause::GlyphTooCostly,
         "char32"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ImportOptions options{.first = c.first, .size = c.size, .face = c.face};
        if (c.refused) {
            expectFailure([&] { importTrueType(c.bytes, options); }, *c.refused,
                          {.value = c.value});
        } else {
            EXPECT_EQ(importTrueType(c.bytes, options).data.cells, written.cells);
        }
    }
    // Cut anywhere, a font is refused with a cause of its own or comes in whole.
    for (std::size_t size = 0; size < ttf.size(); size += 53) {
        for (const std::string* font : {&ttf, &otb}) {
            try {
                const ImportedFont cut = importTrueType(font->substr(0, size), {});
                EXPECT_EQ(cut.data.cells, written.cells) << size;
                EXPECT_TRUE(cut.notes.empty()) << size;
            } catch (const state::Failure& failure) {
                EXPECT_TRUE((failure.number() >= 1600 && failure.number() <= 1699) ||
                            failure.cause() == Cause::GlyphTooLarge)
                    << size << " " << failure.number();
            }
        }
    }
}

}  // namespace
}  // namespace fontedit::formats
