#include "state/editor_state.h"

#include <stdexcept>
#include <string>
#include <utility>

#include "state/conversions.h"

namespace fontedit::state {

TextField& EditorState::field(FieldId id) {
    return const_cast<TextField&>(std::as_const(*this).field(id));
}

const TextField& EditorState::field(FieldId id) const {
    switch (id) {
        case FieldId::Code:
            return code_;
        case FieldId::Label:
            return label_;
        default:
            return columns_[static_cast<int>(id)];
    }
}

TextField& EditorState::columnField(int column) {
    return const_cast<TextField&>(std::as_const(*this).columnField(column));
}

const TextField& EditorState::columnField(int column) const {
    if (column < 1 || column > kGlyphColumns) {
        throw std::out_of_range("column field " + std::to_string(column));
    }
    return columns_[column - 1];
}

int EditorState::currentCode() const {
    const int code = wholeNumber(codeNumber(code_.text()));
    checkCode(code);
    return code;
}

}  // namespace fontedit::state
