// The general editor on a BDF document driven by an arbitrary sequence of actions: three bytes a
// step, the action and two arguments. After each, only the editor's own refusals occur and every
// glyph stays a glyph the model can hold; at the end, undoing every step gives back the font as
// read, redoing them the font as edited, and the document's text reads back as that font.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "check.h"
#include "editing/bitmap_editor.h"
#include "formats/x11/bdf_document.h"
#include "state/failure.h"

namespace fontedit::fuzz {
namespace {

using state::Cause;

// "A" fills a 6 x 8 box, "B" a 3 x 3 box off the origin, the space has none.
constexpr std::string_view kFont =
    "STARTFONT 2.1\nFONTBOUNDINGBOX 6 10 0 -2\nCHARS 3\n"
    "STARTCHAR space\nENCODING 32\nDWIDTH 6 0\nBBX 0 0 0 0\nBITMAP\nENDCHAR\n"
    "STARTCHAR A\nENCODING 65\nDWIDTH 6 0\nBBX 6 8 0 0\nBITMAP\n"
    "30\n48\n84\n84\nFC\n84\n84\n00\nENDCHAR\n"
    "STARTCHAR B\nENCODING 66\nDWIDTH 6 0\nBBX 3 3 2 -2\nBITMAP\nA0\n40\nA0\nENDCHAR\nENDFONT\n";

constexpr char32_t kCharacters[] = {U' ', U'A', U'B', U'C', U'\u3042'};

bool isEditorRefusal(Cause cause) {
    return cause == Cause::NoGlyphHere || cause == Cause::GlyphExists ||
           cause == Cause::AdvanceOutOfRange || cause == Cause::GlyphPastSide ||
           cause == Cause::BadGlyphName || cause == Cause::NotABitmapGlyph ||
           cause == Cause::ColumnNotHex || cause == Cause::RowNotHex;
}

void checkGlyphs(const state::BitmapFont& font) {
    for (std::size_t i = 0; i < font.glyphs.size(); ++i) {
        const state::BitmapGlyph& glyph = font.glyphs[i];
        require(i == 0 || font.glyphs[i - 1].character < glyph.character, "sorted, each once");
        require(glyph.width >= 0 && glyph.width <= state::kMaxGlyphSide && glyph.height >= 0 &&
                    glyph.height <= state::kMaxGlyphSide,
                "every box within the glyph's largest side");
        require(glyph.rows.size() == static_cast<std::size_t>(glyph.height), "a word a row");
        for (const std::uint64_t row : glyph.rows) {
            require(glyph.width == 64 || row >> glyph.width == 0, "no dot past the box");
        }
    }
}

void act(editing::BitmapEditor& editor, std::uint8_t action, int a, int b,
         const state::BitmapFont& imported, const std::string& copied) {
    const int x = a % (editor.cell().width + 2) - 1, y = b % (editor.cell().height + 2) - 1;
    switch (action % 16) {
        case 0:
            return editor.toggleDot(x, y);
        case 1:
            return editor.setDot(x, y, b % 2 == 0);
        case 2:
            return editor.startDrag(x, y);
        case 3:
            return editor.dragOver(x, y);
        case 4:
            return editor.endDrag();
        case 5: {
            // A field's own text goes back unchanged; another is typed as the bytes spell it.
            const std::string text = editor.hexField(a % (editor.hexFieldCount() + 1));
            return editor.setHexField(a % (editor.hexFieldCount() + 1),
                                      b % 2 ? text : std::to_string(b) + "F");
        }
        case 6:
            return editor.setAdvance(a * 2 - 20);
        case 7:
            return editor.addGlyph();
        case 8:
            return editor.deleteGlyph();
        case 9:
            return editor.rename(std::string(1, static_cast<char>(a)) + "x");
        case 10:
            return editor.apply(static_cast<editing::GridCommand>(a % 8));
        case 11:
            return editor.paste(b % 2 ? copied : copied.substr(0, a % (copied.size() + 1)));
        case 12:
            return a % 2 ? editor.next() : editor.previous();
        case 13:
            return editor.goTo(kCharacters[a % std::size(kCharacters)]);
        case 14:
            return editor.merge(imported);
        default:
            return a % 2 ? editor.undo() : editor.redo();
    }
}

}  // namespace
}  // namespace fontedit::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace fontedit;
    formats::BdfDocument document = formats::BdfDocument::read(fuzz::kFont);
    const state::BitmapFont read = document.font();
    state::BitmapFont imported;
    imported.put(state::blankGlyph(U'C', 9, 12));
    imported.put(state::blankGlyph(U'A', 2, 2));
    editing::BitmapEditor editor(document.font());
    editor.goTo(U'A');
    const std::string copied = editor.copyText();
    for (std::size_t at = 0; at + 3 <= size; at += 3) {
        try {
            fuzz::act(editor, data[at], data[at + 1], data[at + 2], imported, copied);
        } catch (const state::Failure& failure) {
            fuzz::require(fuzz::isEditorRefusal(failure.cause()), "only the editor's refusals");
        }
        fuzz::checkGlyphs(document.font());
    }
    editor.endDrag();
    while (editor.canRedo()) editor.redo();
    const state::BitmapFont redone = document.font();
    while (editor.canUndo()) editor.undo();
    fuzz::require(document.font() == read, "every step undone gives the font as read");
    while (editor.canRedo()) editor.redo();
    fuzz::require(document.font() == redone, "every step redone gives the font as edited");
    fuzz::require(formats::BdfDocument::read(document.write()).font() == redone,
                  "the document's text reads back as the font edited");
    return 0;
}
