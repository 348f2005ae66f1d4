#pragma once

// Both tables as one list of texts, so that a check can compare them whole.
#include <string>
#include <vector>

#include "state/editor_state.h"

namespace fontedit::support {

// Every cell (codes 0-100, columns 0-8) and every label.
std::vector<std::string> tableTexts(const state::EditorState& state);

}  // namespace fontedit::support
