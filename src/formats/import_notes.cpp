#include "formats/import_notes.h"

#include <cstdio>

#include "messages/catalogue.h"

namespace fontedit::formats {
namespace {

using messages::Note;

Note noteOf(const ImportNote& note) {
    using Kind = ImportNote::Kind;
    const bool one = note.count == 1;
    switch (note.kind) {
        case Kind::ArrayTaken:
            return Note::ArrayTaken;
        case Kind::GlyphsFilled:
            return one ? Note::GlyphFilled : Note::GlyphsFilled;
        case Kind::EncodingMissing:
            return Note::EncodingMissing;
        case Kind::CharacterMissing:
            return Note::CharacterMissing;
        case Kind::GlyphsCropped:
            return one ? Note::GlyphCropped : Note::GlyphsCropped;
        case Kind::OwnCharset:
            return Note::OwnCharset;
        case Kind::ShapeTaken:
            break;
    }
    return note.shape->layout == state::GlyphLayout::Rows ? Note::RowsTaken : Note::ColumnsTaken;
}

state::Facts factsOf(const ImportNote& note) {
    if (note.kind == ImportNote::Kind::ArrayTaken || note.kind == ImportNote::Kind::OwnCharset) {
        return {.value = note.name};
    }
    if (note.kind == ImportNote::Kind::EncodingMissing) return {.code = note.code.value_or(0)};
    if (note.kind == ImportNote::Kind::CharacterMissing) {
        char text[16];
        std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(note.code.value_or(0)));
        return {.value = text};
    }
    if (note.kind != ImportNote::Kind::ShapeTaken) return {.code = note.count};
    const TableShape& shape = *note.shape;
    const bool rows = shape.layout == state::GlyphLayout::Rows;
    return {.code = static_cast<int>(shape.stride),
            .column = shape.msbFirst ? 7
                      : rows         ? 4
                                     : 0,
            .value = shapeOptions(shape, static_cast<std::size_t>(note.count))};
}

}  // namespace

std::string wordedNote(const ImportNote& note, const messages::Language& language) {
    return messages::filled(language(messages::wordingOf(noteOf(note))), factsOf(note), language);
}

}  // namespace fontedit::formats
