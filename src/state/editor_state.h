#pragma once

// Everything the editor remembers: both tables, the fields and the pixel colours. The
// current code is not stored; it is read from the code field each time it is needed.
#include <array>

#include "state/pixels.h"
#include "state/tables.h"
#include "state/text_field.h"

namespace fontedit::state {

// The editor's fields: the five glyph columns, the code and the label. The window binds each
// of its text boxes to one of them.
enum class FieldId { Column1, Column2, Column3, Column4, Column5, Code, Label };
inline constexpr std::array<FieldId, 7> kAllFields = {
    FieldId::Column1, FieldId::Column2, FieldId::Column3, FieldId::Column4,
    FieldId::Column5, FieldId::Code,    FieldId::Label};

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
