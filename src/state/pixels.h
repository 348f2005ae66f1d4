#pragma once

// The 5 x 8 grid of pixel buttons as colours. Row k of a column is bit k of its byte.
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "state/tables.h"

namespace fontedit::state {

// The editor's lit red, red 255, green 8, blue 0: the window's lit pixels and the dots of the
// pictures' default look.
struct LitColour {
    static constexpr std::uint8_t red = 255;
    static constexpr std::uint8_t green = 8;
    static constexpr std::uint8_t blue = 0;
};

// Whether a pixel is set; the window decides what colour each shows in.
enum class PixelColour { Unlit, Lit };

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
