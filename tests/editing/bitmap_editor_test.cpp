// The general editor on a font of any cell: every change one undo step that puts back exactly
// the glyphs it changed, the hex fields at both heights, the grid commands at the cell's edges.
#include "editing/bitmap_editor.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "state/failure.h"
#include "support/expect_failure.h"

namespace fontedit::editing {
namespace {

using Dots = std::vector<std::pair<int, int>>;

state::BitmapGlyph glyphOf(char32_t character, int width, int height, int left, int bottom) {
    state::BitmapGlyph glyph = state::blankGlyph(character, width, height);
    glyph.left = left;
    glyph.bottom = bottom;
    glyph.name = std::string(1, static_cast<char>(character));
    return glyph;
}

// A 16 x 16 cell, as Unifont's: "A" half wide, "B" the whole cell, "C" a 4 x 8 box inside it
// one column in and six rows down.
state::BitmapFont unifontLike() {
    state::BitmapFont font;
    font.ascent = 14;
    font.descent = 2;
    font.put(glyphOf(U'A', 8, 16, 0, -2));
    font.put(glyphOf(U'B', 16, 16, 0, -2));
    font.put(glyphOf(U'C', 4, 8, 1, 0));
    font.find(U'A')->setDot(1, 1, true);
    font.find(U'C')->setDot(0, 0, true);
    return font;
}

Dots litDots(const BitmapEditor& editor) {
    Dots lit;
    for (int y = 0; y < editor.cell().height; ++y) {
        for (int x = 0; x < editor.cell().width; ++x) {
            if (editor.dot(x, y)) lit.emplace_back(x, y);
        }
    }
    return lit;
}

TEST(BitmapUndo, EachChangeIsOneStepThatPutsBackItsGlyphsAndItsCharacter) {
    state::BitmapFont imported;
    imported.put(glyphOf(U'C', 2, 2, 0, 0));
    imported.put(glyphOf(U'E', 3, 3, 0, 0));
    struct Case {
        const char* name;
        char32_t at;
        std::function<void(BitmapEditor&)> change;
        std::vector<char32_t> heard{};  // by the glyphs' observer; none: the one at `at`
    };
    const Case cases[] = {
        {"toggle outside the glyph's box", U'C', [](BitmapEditor& e) { e.toggleDot(0, 0); }},
        {"drag", U'C',
         [](BitmapEditor& e) {
             e.startDrag(0, 0);
             e.dragOver(3, 2);
             e.dragOver(5, 2);
             e.endDrag();
         }},
        {"row typed", U'C', [](BitmapEditor& e) { e.setHexField(3, "F000"); }},
        {"advance", U'C', [](BitmapEditor& e) { e.setAdvance(9); }},
        {"rename", U'C', [](BitmapEditor& e) { e.rename("cee"); }},
        {"delete", U'C', [](BitmapEditor& e) { e.deleteGlyph(); }},
        {"add", U'D', [](BitmapEditor& e) { e.addGlyph(); }},
        {"paste", U'C', [](BitmapEditor& e) { e.paste("2x2 C0 40"); }},
        {"invert", U'C', [](BitmapEditor& e) { e.apply(GridCommand::Invert); }},
        {"mirror up-down", U'C', [](BitmapEditor& e) { e.apply(GridCommand::MirrorUpDown); }},
        {"merge", U'C', [&](BitmapEditor& e) { e.merge(imported); }, {U'C', U'E'}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        state::BitmapFont font = unifontLike();
        BitmapEditor editor(font);
        std::vector<char32_t> heard;
        editor.addGlyphsObserver([&](std::span<const char32_t> characters) {
            heard.assign(characters.begin(), characters.end());
        });
        editor.goTo(c.at);
        const state::BitmapFont before = font;

        c.change(editor);
        const state::BitmapFont after = font;
        EXPECT_NE(after, before);
        EXPECT_EQ(heard, c.heard.empty() ? std::vector<char32_t>{c.at} : c.heard);
        EXPECT_TRUE(editor.hasUnsavedChanges());
        editor.goTo(U'A');

        editor.undo();
        EXPECT_EQ(font, before);
        EXPECT_EQ(editor.current(), c.at);
        EXPECT_FALSE(editor.hasUnsavedChanges());
        EXPECT_FALSE(editor.canUndo()) << "one step";
        editor.goTo(U'A');
        editor.redo();
        EXPECT_EQ(font, after);
        EXPECT_EQ(editor.current(), c.at);
    }
}

TEST(BitmapUndo, RefusedChangesLeaveNoStep) {
    state::BitmapFont font = unifontLike();
    BitmapEditor editor(font);
    editor.goTo(std::string_view("U+0044"));
    const auto noGlyph = state::Facts{.code = 'D', .value = "D"};
    support::expectFailure([&] { editor.toggleDot(0, 0); }, state::Cause::NoGlyphHere, noGlyph);
    editor.goTo(std::string_view("C"));
    support::expectFailure([&] { editor.addGlyph(); }, state::Cause::GlyphExists,
                           {.code = 'C', .value = "C"});
    support::expectFailure([&] { editor.rename("c e"); }, state::Cause::BadGlyphName,
                           {.value = "c e"});
    support::expectFailure([&] { editor.setAdvance(BitmapEditor::kMostAdvance + 1); },
                           state::Cause::AdvanceOutOfRange, {.value = "257"});
    support::expectFailure([&] { editor.paste("2x2 C0"); }, state::Cause::NotABitmapGlyph,
                           {.value = "2x2 C0"});
    EXPECT_EQ(font, unifontLike());
    EXPECT_FALSE(editor.canUndo());
    EXPECT_FALSE(editor.hasUnsavedChanges());
}

// A cell eight dots high or less is typed by column, bit 0 on top, as the classic fields; a
// higher one by row, as BDF writes a row, whose padding bits past the width stay clear.
TEST(BitmapHexFields, ByColumnUpToEightRowsElseByRow) {
    struct Case {
        int width, height, index;
        const char* typed;
        const char* shown;  // null: refused
        Dots lit{};
    };
    const Case cases[] = {
        {5, 8, 2, "7C", "7C", {{2, 2}, {2, 3}, {2, 4}, {2, 5}, {2, 6}}},
        {5, 8, 4, " 81 ", "81", {{4, 0}, {4, 7}}},
        {5, 8, 0, "", "0"},
        {5, 8, 0, "100", nullptr},
        {5, 8, 0, "0x7C", nullptr},
        {12, 16, 3, "8010", "8010", {{0, 3}, {11, 3}}},
        {12, 16, 15, "fff0", "FFF0"},
        {12, 16, 0, "0008", nullptr},
        {12, 16, 0, "10000", nullptr},
        {12, 9, 8, "-1", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        state::BitmapFont font;
        font.ascent = c.height;
        font.put(glyphOf(U'x', c.width, c.height, 0, 0));
        BitmapEditor editor(font);
        EXPECT_EQ(editor.hexFieldCount(), c.height <= 8 ? c.width : c.height);
        if (!c.shown) {
            const bool byColumn = c.height <= 8;
            support::expectFailure([&] { editor.setHexField(c.index, c.typed); },
                                   byColumn ? state::Cause::ColumnNotHex : state::Cause::RowNotHex,
                                   {.code = byColumn ? c.height : c.width, .value = c.typed});
            continue;
        }
        editor.setHexField(c.index, c.typed);
        EXPECT_EQ(editor.hexField(c.index), c.shown);
        if (!c.lit.empty()) {
            EXPECT_EQ(litDots(editor), c.lit);
        }
    }
}

// Dots moved off the cell are lost; dots moved or lit outside a glyph's own box grow the box.
TEST(BitmapGridCommands, WorkOnTheCellAndGrowTheGlyphsBox) {
    struct Case {
        GridCommand command;
        char32_t at;
        Dots lit;
        std::optional<int> left;  // the glyph's box afterwards
    };
    const Case cases[] = {
        {GridCommand::ShiftLeft, U'B', {{14, 15}}, 0},
        {GridCommand::ShiftRight, U'B', {{1, 0}}, 0},
        {GridCommand::ShiftUp, U'B', {{15, 14}}, 0},
        {GridCommand::ShiftDown, U'B', {{0, 1}}, 0},
        {GridCommand::MirrorLeftRight, U'B', {{15, 0}, {0, 15}}, 0},
        {GridCommand::MirrorUpDown, U'B', {{15, 0}, {0, 15}}, 0},
        {GridCommand::Clear, U'B', {}, 0},
        {GridCommand::ShiftLeft, U'C', {{0, 6}}, 0},
        {GridCommand::MirrorUpDown, U'C', {{1, 9}}, 1},
        {GridCommand::Clear, U'C', {}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.command));
        state::BitmapFont font = unifontLike();
        font.find(U'B')->setDot(0, 0, true);
        font.find(U'B')->setDot(15, 15, true);
        BitmapEditor editor(font);
        editor.goTo(c.at);
        editor.apply(c.command);
        EXPECT_EQ(litDots(editor), c.lit);
        EXPECT_EQ(font.find(c.at)->left, c.left);
    }
    state::BitmapFont font = unifontLike();
    BitmapEditor editor(font);
    editor.goTo(U'C');
    const std::string copied = editor.copyText();
    editor.apply(GridCommand::Invert);
    EXPECT_EQ(litDots(editor).size(), 16u * 16u - 1u);
    EXPECT_EQ(font.find(U'C')->width, 16) << "grown to the cell";
    editor.paste(copied);
    EXPECT_EQ(litDots(editor), (Dots{{1, 6}}));

    // A file may place a glyph a million dots away; the cell stays one to edit.
    font.put(glyphOf(U'F', 1, 1, 1'000'000, -1'000'000));
    const BitmapEditor far(font);
    EXPECT_EQ(far.cell(), (CellBox{.left = 0,
                                   .bottom = -kMostCellSide / 2,
                                   .width = kMostCellSide / 2,
                                   .height = kMostCellSide / 2 + 14}));
}

}  // namespace
}  // namespace fontedit::editing
