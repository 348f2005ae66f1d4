#include "editing/saved_copy.h"

namespace fontedit::editing {

void SavedCopy::take(const state::FontTable& font, const state::LabelTable& labels) {
    data_ = state::tableTexts<state::FontData>(font, labels);
}

// Cell by cell, without a copy: the window asks at each change, and stops at the first
// difference.
bool SavedCopy::matches(const state::FontTable& font, const state::LabelTable& labels) const {
    for (int code = 0; code < state::FontData::kCodes; ++code) {
        for (int column = 0; column < state::FontData::kColumns; ++column) {
            if (data_.cells[code][column] !=
                font.cell(code, state::FontData::kFirstColumn + column))
                return false;
        }
        if (data_.labels[code] != labels.label(code)) return false;
    }
    return true;
}

}  // namespace fontedit::editing
