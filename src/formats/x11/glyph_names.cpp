#include "formats/x11/glyph_names.h"

#include <algorithm>
#include <charconv>
#include <iterator>

namespace fontedit::formats {
namespace {

struct NamedCharacter {
    std::string_view name;
    char32_t character;
};

constexpr NamedCharacter kNames[] = {
#include "formats/x11/glyph_name_list.inc"
};

// Upper-case hexadecimal of `least` to `most` digits, a character but no surrogate.
std::optional<char32_t> hexCharacter(std::string_view digits, std::size_t least, std::size_t most) {
    if (digits.size() < least || digits.size() > most || !std::ranges::all_of(digits, [](char c) {
            return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
        })) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
    if (value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return std::nullopt;
    return static_cast<char32_t>(value);
}

}  // namespace

std::optional<char32_t> glyphNameCharacter(std::string_view name) {
    static_assert(std::ranges::is_sorted(kNames, {}, &NamedCharacter::name));
    if (const std::size_t period = name.find('.'); period != 0 && period != name.npos) {
        name = name.substr(0, period);
    }
    // Fonts such as nil2 name a glyph by the printable ASCII character it draws.
    if (name.size() == 1 && name[0] > ' ' && name[0] < 0x7F) return static_cast<char32_t>(name[0]);
    if (name.starts_with("uni")) {
        if (auto character = hexCharacter(name.substr(3), 4, 4)) return character;
    }
    if (name.starts_with("u")) {
        if (auto character = hexCharacter(name.substr(1), 4, 6)) return character;
    }
    const auto found = std::ranges::lower_bound(kNames, name, {}, &NamedCharacter::name);
    if (found == std::end(kNames) || found->name != name) return std::nullopt;
    return found->character;
}

}  // namespace fontedit::formats
