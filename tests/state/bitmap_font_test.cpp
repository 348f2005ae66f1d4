#include "state/bitmap_font.h"

#include <gtest/gtest.h>

#include "state/character_list.h"
#include "state/failure.h"
#include "support/expect_failure.h"

namespace fontedit::state {
namespace {

// Glyphs stay sorted by character whatever order they come in; one put again replaces its
// character's; dots outside the box are neither lit nor stored.
TEST(BitmapFont, KeepsGlyphsSortedAndDotsInTheirBox) {
    BitmapFont font;
    for (const char32_t c : {U'b', U'a', U'\U0001F600', U'c', U'a'}) font.put(blankGlyph(c, 3, 2));
    ASSERT_EQ(font.glyphs.size(), 4u);
    for (std::size_t i = 1; i < font.glyphs.size(); ++i) {
        EXPECT_LT(font.glyphs[i - 1].character, font.glyphs[i].character);
    }
    EXPECT_TRUE(font.erase(U'b'));
    EXPECT_FALSE(font.erase(U'b'));
    EXPECT_EQ(font.find(U'b'), nullptr);

    BitmapGlyph& glyph = *font.find(U'a');
    glyph.setDot(2, 1, true);
    glyph.setDot(3, 0, true);   // past the width
    glyph.setDot(0, -1, true);  // above the top
    EXPECT_EQ(glyph.rows, (GlyphRows{0, 0b100}));
    EXPECT_TRUE(glyph.dot(2, 1));
    EXPECT_FALSE(glyph.dot(3, 1));

    BitmapGlyph wide = blankGlyph(U'w', 64, 1);
    wide.setDot(0, 0, true);
    wide.setDot(63, 0, true);
    EXPECT_EQ(rowByteCount(64), 8);
    EXPECT_EQ(rowByte(wide.rows[0], 64, 0), 0x80);
    EXPECT_EQ(rowByte(wide.rows[0], 64, 7), 0x01);
    EXPECT_EQ(rowByte(wide.rows[0], 63, 7), 0x00);  // bits past the width are no dots

    // One wide row widens every row, out of the glyph onto the heap; a copy is a copy; rows
    // are equal by their numbers, whatever bytes each takes.
    GlyphRows rows(16, 1);
    rows[15] |= std::uint64_t{1} << 40;
    EXPECT_EQ(rows[14], 1u);
    GlyphRows copy = rows;
    copy[0] = 0;
    EXPECT_EQ(rows[0], 1u);
    rows[15] &= 1;
    EXPECT_EQ(rows, GlyphRows(16, 1));
    EXPECT_NE(rows, copy);
}

TEST(CharacterList, ReadsCodesRangesAndFiles) {
    const ReadListFile file = [](const std::string& path) -> std::string {
        if (path == "kana.txt") return "\xEF\xBB\xBF\xE3\x81\x82\xE3\x81\x84\r\nA";  // BOM あい A
        if (path == "bad.txt") return "A\xFF";
        throw Failure(Cause::FileNotFound, {.file = path});
    };
    struct Case {
        const char* list;
        std::vector<char32_t> characters{};
        std::optional<Cause> refused{};
        Facts facts{};
    };
    const Case cases[] = {
        {"0x41-0x43,65,U+00B0", {0x41, 0x42, 0x43, 0xB0}},
        {"@kana.txt,u+3042", {0x41, 0x3042, 0x3044}},
        {"0xD7FF-0xE000", {0xD7FF, 0xE000}},  // surrogates are no characters
        {"0x43-0x41", {}, Cause::CodesRunBackwards, {.value = "0x43-0x41"}},
        {"0x110000", {}, Cause::NotACharacter, {.value = "0x110000"}},
        {"0x41,", {}, Cause::NotACharacter, {.value = ""}},
        {"A", {}, Cause::NotACharacter, {.value = "A"}},
        {"@bad.txt", {}, Cause::NotACharacter, {.file = "bad.txt", .value = "byte 2"}},
        {"@missing.txt", {}, Cause::FileNotFound, {.file = "missing.txt"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.list);
        if (c.refused) {
            support::expectFailure([&] { parseCharacterList(c.list, file); }, *c.refused, c.facts);
            continue;
        }
        EXPECT_EQ(parseCharacterList(c.list, file), c.characters);
    }
    BitmapFont font;
    for (const char32_t c : {U'A', U'B', U'C'}) font.put(blankGlyph(c, 1, 1));
    EXPECT_EQ(withCharacters(font, {U'A', U'C', U'D'}).glyphs.size(), 2u);
}

// One character is itself where it is one, a digit too, else a code as a list item writes it.
TEST(CharacterList, ReadsOneCharacter) {
    for (const auto& [text, character] :
         std::vector<std::pair<std::string, char32_t>>{{"A", U'A'},
                                                       {"\xE3\x81\x82", U'あ'},
                                                       {"U+3042", U'あ'},
                                                       {"0x3042", U'あ'},
                                                       {"7", U'7'},
                                                       {"65", U'A'},
                                                       {"\xF0\x9F\x98\x80", U'\U0001F600'}}) {
        EXPECT_EQ(parseCharacter(text), character) << text;
    }
    for (const std::string text : {"", "AB", "\xE3\x81", "U+D800", "0x110000"}) {
        support::expectFailure([&] { parseCharacter(text); }, Cause::NotACharacter,
                               {.value = text});
    }
}

}  // namespace
}  // namespace fontedit::state
