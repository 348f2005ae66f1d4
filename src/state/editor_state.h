#pragma once

// Everything the editor remembers: both tables, the fields and the pixel colours. The
// current code is not stored; it is read from the code field each time it is needed.
#include <array>

#include "state/pixels.h"
#include "state/tables.h"
#include "state/text_field.h"

namespace fontedit::state {

// The editor's fields: the five glyph columns, the code (Text9) and the label (Text10). The
// window binds each of its text boxes to one of them.
enum class FieldId { Text1, Text2, Text3, Text4, Text5, Text9, Text10 };
inline constexpr std::array<FieldId, 7> kAllFields = {
    FieldId::Text1, FieldId::Text2, FieldId::Text3, FieldId::Text4,
    FieldId::Text5, FieldId::Text9, FieldId::Text10};

class EditorState {
public:
    EditorState() = default;
    EditorState(const EditorState&) = delete;
    EditorState& operator=(const EditorState&) = delete;

    FontTable font;
    LabelTable labels;
    PixelGrid pixels;

    TextField& field(FieldId id);
    const TextField& field(FieldId id) const;
    // The field of glyph column 1-5.
    TextField& columnField(int column);
    const TextField& columnField(int column) const;
    TextField& codeField() { return code_; }
    const TextField& codeField() const { return code_; }
    TextField& labelField() { return label_; }
    const TextField& labelField() const { return label_; }

    // The code field's text as a whole number; fails outside 0-100.
    int currentCode() const;

private:
    std::array<TextField, kGlyphColumns> columns_{TextField("0"), TextField("0"), TextField("0"),
                                                  TextField("0"), TextField("0")};
    TextField code_{"0"};
    TextField label_;
};

}  // namespace fontedit::state
