#pragma once

// The wording of every cause of failure and of the phrases the wordings share.
#include "messages/wording.h"
#include "state/failure.h"

namespace fontedit::messages {

Wording wordingOf(state::Cause cause);

enum class Phrase {
    FileInFolder,  // {file} when the path has a folder
    FileAlone,     // {file} when it has none
    Cell,          // {place} with a column
    Label,         // {place} without one
    Reason,        // {reason} when the system gave one
    LosingGlyphs,  // {glyphs} when a cut loses dots: the glyphs that lose them
};

Wording wordingOf(Phrase phrase);

// What an import that succeeded, or a picture of text, tells the user, over the same facts.
enum class Note {
    ArrayTaken,        // the array {value} was taken
    GlyphFilled,       // the table ended early; the last {code} glyph is empty
    GlyphsFilled,      // the same, of {code} glyphs
    EncodingMissing,   // no glyph at ENCODING {code}
    CharacterMissing,  // no glyph for the character {value}, "U+0041"
    GlyphCropped,      // {code} glyph lost dots outside the cell
    GlyphsCropped,     // the same, of {code} glyphs
    ColumnsTaken,      // the shape taken: bit {column} top, {code} bytes a glyph, options {value}
    RowsTaken,         // the same with a byte per dot row, bit {column} left
    OwnCharset,        // the font's codes are of the character set {value}, not Unicode
    // What a character LCD could not show as the font draws it:
    PanelGlyphsMissing,  // the characters {value} have no glyph
    PanelNeedsCgram,     // {code} glyphs, codes {value}, are outside the character ROM
    PanelCharacterCut,   // {code} character past the last cell of the {value} panel
    PanelCharactersCut,  // the same, of {code} characters
    // Cells that hold nothing, {code} of them in glyphs {value}: as check finds them, and as
    // font.h writes them.
    EmptyCells,
    HeaderEmptyCells,
};

Wording wordingOf(Note note);

}  // namespace fontedit::messages
