#include "pictures/display_looks.h"

#include <array>

#include "state/pixels.h"

namespace fontedit::pictures {
namespace {

constexpr std::array kLooks{
    DisplayLook{"paper",
                "dots in the editor's red on white, edge to edge",
                {255, 255, 255},
                {state::LitColour::red, state::LitColour::green, state::LitColour::blue},
                {255, 255, 255},
                {255, 255, 255},
                100,
                DotShape::Square,
                4},
    DisplayLook{"lcd-green",
                "a character LCD: dark dots on a yellow-green backlight",
                {164, 196, 72},
                {34, 48, 26},
                {150, 182, 64},
                {164, 196, 72},
                90,
                DotShape::Square,
                8},
    DisplayLook{"lcd-blue",
                "a character LCD: white dots on a blue backlight",
                {28, 64, 214},
                {236, 244, 255},
                {38, 78, 226},
                {28, 64, 214},
                90,
                DotShape::Square,
                8},
    DisplayLook{"oled",
                "an OLED: white dots on black with a faint glow",
                {0, 0, 0},
                {226, 246, 255},
                {10, 12, 14},
                {34, 40, 46},
                90,
                DotShape::Square,
                8},
    DisplayLook{"led-red",
                "an LED matrix: round red dots on black",
                {0, 0, 0},
                {255, 36, 16},
                {46, 10, 8},
                {0, 0, 0},
                90,
                DotShape::Round,
                8},
};

}  // namespace

std::span<const DisplayLook> displayLooks() {
    return kLooks;
}

const DisplayLook& paperLook() {
    return kLooks.front();
}

std::optional<DisplayLook> lookNamed(std::string_view name) {
    for (const DisplayLook& look : kLooks) {
        if (look.name == name) return look;
    }
    return std::nullopt;
}

}  // namespace fontedit::pictures
