#include "support/table_texts.h"

namespace fontedit::support {

std::vector<std::string> tableTexts(const state::EditorState& state) {
    std::vector<std::string> texts;
    for (int code = 0; code < state::kCodeCount; ++code) {
        for (int column = 0; column < state::kTableColumns; ++column) {
            texts.push_back(state.font.cell(code, column));
        }
        texts.push_back(state.labels.label(code));
    }
    return texts;
}

}  // namespace fontedit::support
