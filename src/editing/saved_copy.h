#pragma once

// The saved part of the tables (codes 0-95, columns 1-5 and labels) as last read or saved, so
// the editor can tell whether the user has work that is not in the files.
#include "state/font_data.h"

namespace fontedit::editing {

class SavedCopy {
public:
    void take(const state::FontTable& font, const state::LabelTable& labels);
    bool matches(const state::FontTable& font, const state::LabelTable& labels) const;

private:
    // Empty at start, as the tables are.
    state::FontData data_;
};

}  // namespace fontedit::editing
