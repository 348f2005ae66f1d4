#include "editing/saved_copy.h"

namespace fontedit::editing {

void SavedCopy::take(const state::FontTable& font, const state::LabelTable& labels) {
    data_ = state::tableTexts<state::FontData>(font, labels);
}

bool SavedCopy::matches(const state::FontTable& font, const state::LabelTable& labels) const {
    return data_ == state::tableTexts<state::FontData>(font, labels);
}

}  // namespace fontedit::editing
