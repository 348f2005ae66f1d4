#pragma once

// Fitting UTF-8 labels into the fixed columns of a terminal sheet.
#include <string>
#include <string_view>

namespace fontedit::cli {

// `utf8` cut to at most `width` terminal columns and padded with blanks to exactly that;
// East Asian wide characters take two columns, control characters show as '?'.
std::string fitToWidth(std::string_view utf8, int width);

}  // namespace fontedit::cli
