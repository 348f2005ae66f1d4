#include "bench/common/glyph_pattern.h"

#include "state/conversions.h"

namespace fontedit::bench {

std::string columnText(int code, int column) {
    return state::hexText((code * 37 + column * 53) & 0xFF);
}

std::string labelText(int code) {
    constexpr int kDelete = 95;
    return code == kDelete ? "DEL" : std::string(1, static_cast<char>(' ' + code));
}

}  // namespace fontedit::bench
