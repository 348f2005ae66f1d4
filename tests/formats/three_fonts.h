#pragma once

// The fonts the display-format tests draw: the sample font, a font of random bytes with labels
// that would break a C comment, and Debian's X11 5x8.
#include <vector>

#include "state/font_data.h"

namespace fontedit::formats {

struct NamedFont {
    const char* name;
    state::FontData data;
};

const std::vector<NamedFont>& threeFonts();

}  // namespace fontedit::formats
