#include "messages/import_notes.h"

#include <cstdio>

#include "messages/catalogue.h"

namespace fontedit::messages {
namespace {

using messages::Note;

Note noteOf(const formats::ImportNote& note) {
    using Kind = formats::ImportNote::Kind;
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

state::Facts factsOf(const formats::ImportNote& note) {
    if (note.kind == formats::ImportNote::Kind::ArrayTaken ||
        note.kind == formats::ImportNote::Kind::OwnCharset) {
        return {.value = note.name};
    }
    if (note.kind == formats::ImportNote::Kind::EncodingMissing)
        return {.code = note.code.value_or(0)};
    if (note.kind == formats::ImportNote::Kind::CharacterMissing) {
        char text[16];
        std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(note.code.value_or(0)));
        return {.value = text};
    }
    if (note.kind != formats::ImportNote::Kind::ShapeTaken) return {.code = note.count};
    const formats::TableShape& shape = *note.shape;
    const bool rows = shape.layout == state::GlyphLayout::Rows;
    return {.code = static_cast<int>(shape.stride),
            .column = shape.msbFirst ? 7
                      : rows         ? 4
                                     : 0,
            .value = formats::shapeOptions(shape, static_cast<std::size_t>(note.count))};
}

}  // namespace

std::string wordedNote(const formats::ImportNote& note, const messages::Language& language) {
    return messages::filled(language(messages::wordingOf(noteOf(note))), factsOf(note), language);
}

}  // namespace fontedit::messages
