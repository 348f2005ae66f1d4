#include "editing/saved_copy.h"

namespace fontedit::editing {

void SavedCopy::take(const state::FontTable& font, const state::LabelTable& labels) {
    for (int code = 0; code < state::kSavedCodes; ++code) {
        for (int column = 1; column <= state::kGlyphColumns; ++column) {
            cells_[code][column - 1] = font.cell(code, column);
        }
        labels_[code] = labels.label(code);
    }
}

bool SavedCopy::matches(const state::FontTable& font, const state::LabelTable& labels) const {
    for (int code = 0; code < state::kSavedCodes; ++code) {
        for (int column = 1; column <= state::kGlyphColumns; ++column) {
            if (cells_[code][column - 1] != font.cell(code, column)) return false;
        }
        if (labels_[code] != labels.label(code)) return false;
    }
    return true;
}

}  // namespace fontedit::editing
