#include "editing/grid_commands.h"
#include "support/expect_failure.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "editing/editor.h"
#include "state/failure.h"

namespace fontedit::editing {
namespace {

using state::FieldId;

constexpr state::GlyphBytes kA = {0x7C, 0x12, 0x11, 0x12, 0x7C};

TEST(GridCommand, ComputesTheNewColumns) {
    struct Case {
        GridCommand command;
        state::GlyphBytes before;
        state::GlyphBytes after;
    };
    const Case cases[] = {
        {GridCommand::Clear, kA, {0, 0, 0, 0, 0}},
        {GridCommand::Invert, kA, {0x83, 0xED, 0xEE, 0xED, 0x83}},
        {GridCommand::ShiftUp, {0x7C, 0x12, 0x11, 0x81, 0xFF}, {0x3E, 0x09, 0x08, 0x40, 0x7F}},
        {GridCommand::ShiftDown, {0x7C, 0x12, 0x11, 0x81, 0xFF}, {0xF8, 0x24, 0x22, 0x02, 0xFE}},
        {GridCommand::ShiftLeft, {1, 2, 3, 4, 5}, {2, 3, 4, 5, 0}},
        {GridCommand::ShiftRight, {1, 2, 3, 4, 5}, {0, 1, 2, 3, 4}},
        {GridCommand::MirrorLeftRight, {1, 2, 3, 4, 5}, {5, 4, 3, 2, 1}},
        {GridCommand::MirrorUpDown, {0x01, 0x03, 0x7C, 0x80, 0}, {0x80, 0xC0, 0x3E, 0x01, 0}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(transformed(c.before, c.command), c.after) << static_cast<int>(c.command);
    }
}

TEST(GridCommand, ReadsThePixelsOnShowAndWritesThroughTheColumnFields) {
    Editor editor;
    auto& state = editor.state();
    state.codeField().setText("3");
    const char* typed[] = {"1FF", "G1", "FFFF", "8", ""};
    for (int column = 1; column <= 5; ++column) {
        editor.type(state::kAllFields[column - 1], typed[column - 1]);
    }
    EXPECT_EQ(editor.copyText(), "FF 00 FF 08 00");
    editor.apply(GridCommand::Invert);
    const char* inverted[] = {"0", "FF", "0", "F7", "FF"};
    for (int column = 1; column <= 5; ++column) {
        EXPECT_EQ(state.columnField(column).text(), inverted[column - 1]);
        EXPECT_EQ(state.font.cell(3, column), inverted[column - 1]);
    }
    EXPECT_EQ(state.pixels.colour(4, 3), state::PixelColour::Unlit);
    EXPECT_EQ(state.pixels.colour(4, 7), state::PixelColour::Lit);
}

TEST(GlyphText, CopiesTwoHexDigitsAByte) {
    EXPECT_EQ(glyphText(kA), "7C 12 11 12 7C");
    EXPECT_EQ(glyphText({0, 1, 0xA, 0x80, 0xFF}), "00 01 0A 80 FF");
}

TEST(GlyphText, PastesFiveHexBytesAsTypedOrCopiedFromACTable) {
    const std::pair<const char*, state::GlyphBytes> accepted[] = {
        {"7C 12 11 12 7C", kA},
        {"7c,12,11,12,7c", kA},
        {" 7C\t12  11 12 7C\r\n", kA},
        {"0x7C, 0x12, 0x11, 0x12, 0x7C", kA},
        {"0X7C 0x12 0x11 0x12 0x7c,", kA},
        {"{0x7C,0x12,0x11,0x12,0x7C}", kA},
        {"    { 0x7C, 0x12, 0x11, 0x12, 0x7C }, //   33\r\n", kA},
        {"{ 0x0, 0x0, 0x0, 0x0, 0x0 }, //    0", {0, 0, 0, 0, 0}},
        {"1 2 3 4 5", {1, 2, 3, 4, 5}},
        {"007C 12 11 12 7C", kA},
    };
    for (const auto& [text, glyph] : accepted) {
        EXPECT_EQ(parseGlyphText(text), std::optional<state::GlyphBytes>(glyph)) << text;
    }
    const char* refused[] = {
        "",
        "7C 12 11 12",
        "7C 12 11 12 7C 00",
        "7C 12 11 12 100",
        "7C 12 11 12 G1",
        "7C,,12,11,12,7C",
        ",7C,12,11,12,7C",
        "{ 7C 12 11 12 7C",
        "7C 12 11 12 7C }",
        "0x 12 11 12 7C",
        "7C-12-11-12-7C",
        "{ 0x7C, 0x12, 0x11, 0x12, 0x7C }, { 0x7C, 0x12, 0x11, 0x12, 0x7C },",
        "124 18 17 18 124",
    };
    for (const char* text : refused) EXPECT_EQ(parseGlyphText(text), std::nullopt) << text;
}

TEST(GlyphText, ARefusedPasteChangesNothing) {
    Editor editor;
    editor.type(FieldId::Column2, "5");
    support::expectFailure([&] { editor.paste("7C 12 11 12"); }, state::Cause::NotAGlyph, {});
    EXPECT_EQ(editor.state().columnField(2).text(), "5");
    editor.undo();
    EXPECT_EQ(editor.state().font.cell(0, 2), "");
}

}  // namespace
}  // namespace fontedit::editing
