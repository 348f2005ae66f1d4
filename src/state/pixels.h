#pragma once

// The 5 x 8 grid of pixel buttons as colours. Row k of a column is bit k of its byte.
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "state/tables.h"

namespace fontedit::state {

enum class PixelColour { Unlit, Lit };

// The colour values as the window system knows them: lit is red 255, green 8, blue 0 with
// red in the low byte; unlit is the system colour for button faces.
inline constexpr std::uint32_t kLitColourValue = 0x0008FF;
inline constexpr std::uint32_t kUnlitColourValue = 0x8000000F;
inline constexpr std::uint8_t kLitRed = 255, kLitGreen = 8, kLitBlue = 0;

class PixelGrid {
public:
    using Observer = std::function<void(int column, int row, PixelColour colour)>;

    // column 1-5, row 0-7
    PixelColour colour(int column, int row) const;
    void setColour(int column, int row, PixelColour colour);

    void addObserver(Observer observer) { observers_.push_back(std::move(observer)); }

private:
    std::array<std::array<PixelColour, kGlyphRows>, kGlyphColumns> colours_{};
    std::vector<Observer> observers_;
};

}  // namespace fontedit::state
