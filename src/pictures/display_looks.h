#pragma once

// How a display shows its dots, for pictures of the font: the colours, the share of its pitch a
// dot covers and the dot's shape. The looks are rows of one table; a new look is a new row.
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace fontedit::pictures {

struct Rgb {
    std::uint8_t red, green, blue;
    bool operator==(const Rgb&) const = default;
};

enum class DotShape { Square, Round };

struct DisplayLook {
    std::string_view name;     // render --look NAME
    std::string_view summary;  // one line for the help
    Rgb ground;                // the panel between and around the dots
    Rgb lit;
    Rgb unlit;       // a dot that is off, as the glass of an LCD still shows it
    Rgb glow;        // the light a lit dot spills into its gap; the ground for none
    int dotPercent;  // the side (or diameter) of a dot in hundredths of its pitch
    DotShape shape;
    int defaultScale;  // pixels a dot pitch when render is given no --scale
};

// "paper" first: the default, dots in the editor's lit colour on white with no gap between them,
// the sheet the PNG import reads back.
std::span<const DisplayLook> displayLooks();
const DisplayLook& paperLook();
std::optional<DisplayLook> lookNamed(std::string_view name);

}  // namespace fontedit::pictures
